#pragma once
// The running program's side of the model's user port: message boxes,
// status-bar refreshes and the screen id. Until the widget toolkit installs
// the game's own boxes, questions go to the plain system message box.
class CMainFrame;
class CBrixholmView;

// Null frame: the port is taken away again.
void InstallShellPort(CMainFrame* frame, CBrixholmView* view);
