#pragma once
// The rules of the program's two message dialogs that need no window: the
// message box's captions and layout, and the standard dialog's texts. The
// GUI dialogs only apply what these functions compute.

#include "app/IniLang.h"
#include "app/UserPrompt.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vlm {

inline constexpr int kButtonCount = 11; // Yes .. Help, bit 0 first

// The result of the button of bit index j (Yes 6, No 7, OK 1, ..., Help 0).
int ButtonResult(int bitIndex);
// The bit indexes of a button set, in order.
std::vector<int> ButtonIndexes(ButtonSet buttons);
// "Warning", "Error", "Information", "Confirm" ("" for custom).
const char* DialogTypeName(DialogType type);

// Default button: OK, else Yes, else Retry (nothing when none is present).
std::optional<int> DefaultButtonResult(ButtonSet buttons);
// The button Escape presses: Cancel, else No, else OK.
std::optional<int> CancelButtonResult(ButtonSet buttons);
// What Escape answers: the cancel button's result, else Cancel.
int EscapeResult(ButtonSet buttons);

enum class TMessageIcon { Exclamation, Hand, Asterisk, Question, Application };

struct TMessageBoxRequest {
    std::string caption;  // shown only for custom dialogs
    std::string appTitle; // when the caption is empty
    std::string text;
    DialogType type = DialogType::Information;
    ButtonSet buttons = kButtonsOK;
    bool dontShowAgain = false; // the flag passed in: shows the check box
    int fontPointSize = 8;      // of the message label
    int currentWidth = 0;       // of the window as designed
    int labelTop = 0;
    // Height of the word-wrapped label for a window width (0 when unset).
    std::function<int(int windowWidth)> labelHeight;
};

struct TMessageButton {
    int bitIndex;
    int result;
    std::string caption;
    int left, top, width;
};

struct TMessageBoxLayout {
    std::string caption;
    int width = 0, height = 0;
    int buttonTop = 0;
    std::vector<TMessageButton> buttons;
    bool checkBoxVisible = false;
    bool checkBoxChecked = true; // unticked when visible
    std::optional<int> defaultResult;
    std::optional<int> cancelResult;
    TMessageIcon icon = TMessageIcon::Application;
    std::string sound; // system sound to play asynchronously, empty for none
};

// Button captions of "ButtonCaptions" split at ","; an entry the language
// file lacks falls back to the English name, so no button is blank.
std::array<std::string, kButtonCount> MessageBoxButtonCaptions(const TLanguage& lang);

TMessageBoxLayout LayoutMessageBox(const TLanguage& lang, const TMessageBoxRequest& request);

// The flag handed back after the box closes: true when left unticked.
inline bool DontShowAgainAfterClose(bool checkBoxChecked) {
    return !checkBoxChecked;
}

// The standard message dialog's texts, read afresh before each use.
struct TMessageDlgTexts {
    std::array<std::string, 4> typeCaptions; // warning, error, information, confirmation
    std::array<std::string, kButtonCount> buttons;
    std::string helpNone, helpHelp;
};
TMessageDlgTexts ReadMessageDlgTexts(const TLanguage& lang);
// The type's text, or the application title for the custom type.
std::string MessageDlgCaption(const TMessageDlgTexts& texts, DialogType type,
                              const std::string& appTitle);
// The captions of the set's buttons, in button order.
std::vector<std::string> MessageDlgButtonCaptions(const TMessageDlgTexts& texts, ButtonSet buttons);

} // namespace vlm
