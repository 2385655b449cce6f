#pragma once
// The main window's program commands: exit, the project panel and the
// language switch.

namespace vlm {

class TGuiSession;
class TfrmMain;

void ConnectProgramActions(TfrmMain& window, TGuiSession& session);

} // namespace vlm
