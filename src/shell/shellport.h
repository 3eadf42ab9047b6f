#pragma once
// The running program's side of the model's user port: message boxes,
// status-bar refreshes and the screen id. Questions go to the game's own
// message boxes.
class CMainFrame;
class CBrixholmView;

// Installs the port; the frame and view may come later (null until then).
void InstallShellPort(CMainFrame* frame, CBrixholmView* view);
void RemoveShellPort();
