#pragma once
// The running program's side of the model's user port: message boxes,
// status-bar refreshes and the screen id. Questions go to the game's own
// message boxes.
class CMainFrame;
class CBrixholmView;

// Null frame: the port is taken away again.
void InstallShellPort(CMainFrame* frame, CBrixholmView* view);
