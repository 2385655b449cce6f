#pragma once
// The Help menu's commands that hand pages to the desktop's browser.

namespace vlm {

class TGuiSession;
class TfrmMain;

void ConnectHelpActions(TfrmMain& window, TGuiSession& session);

} // namespace vlm
