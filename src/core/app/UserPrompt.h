#pragma once
// The port through which the core asks the user something or tells them
// something. The GUI shows real dialogs, the command line prints and answers
// from its flags, tests script the answers.

#include <stdexcept>
#include <string>

namespace vlm {

// Dialog types, numbered as the message dialogs number them.
enum class DialogType : int {
    Warning = 0,
    Error = 1,
    Information = 2,
    Confirmation = 3,
    Custom = 4
};

// Button bits, bit 0 first.
enum ButtonBit : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
    mbAll = 1u << 7,
    mbNoToAll = 1u << 8,
    mbYesToAll = 1u << 9,
    mbHelp = 1u << 10,
};
using ButtonSet = unsigned;

// The button sets the program passes.
inline constexpr ButtonSet kButtonsOK = mbOK;                             // 4
inline constexpr ButtonSet kButtonsYesNo = mbYes | mbNo;                  // 3
inline constexpr ButtonSet kButtonsYesNoCancel = mbYes | mbNo | mbCancel; // 11
inline constexpr ButtonSet kButtonsOKCancel = mbOK | mbCancel;            // 12

// Results of a dialog.
enum DialogResult : int {
    mrHelp = 0,
    mrOK = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

class UserPrompt {
public:
    virtual ~UserPrompt() = default;

    // The program's own message box. The "do not show again" check box is
    // shown only when `dontShowAgain` points to true; afterwards it is set to
    // true when the box was left unticked, false when ticked.
    virtual int MessageBox(const std::string& caption, const std::string& text, DialogType type,
                           ButtonSet buttons, const std::string& helpTopic = {},
                           bool* dontShowAgain = nullptr) = 0;

    // The standard-layout message dialog.
    virtual int MessageDlg(const std::string& text, DialogType type, ButtonSet buttons,
                           int helpContext = 0) = 0;

    // A plain message with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
};

// The silent cancellation: thrown after a user-level failure has been
// reported; the command boundary swallows it without a further message.
class Abort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

} // namespace vlm
