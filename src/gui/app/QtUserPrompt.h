#pragma once
// The core's questions and messages as the program's own dialogs: the
// message box laid out by the core's layout rules, the standard message
// dialog and the plain message.

#include "app/UserPrompt.h"

class QWidget;

namespace vlm {

class TLanguage;

class QtUserPrompt : public UserPrompt {
public:
    // `parent` may change (SetParent) once the main window exists.
    QtUserPrompt(const TLanguage& lang, std::string appTitle);

    void SetParent(QWidget* parent) { parent_ = parent; }
    // The title of custom dialogs, once the language file is read.
    void SetAppTitle(std::string title) { appTitle_ = std::move(title); }

    int MessageBox(const std::string& caption, const std::string& text, DialogType type,
                   ButtonSet buttons, const std::string& helpTopic = {},
                   bool* dontShowAgain = nullptr) override;
    int MessageDlg(const std::string& text, DialogType type, ButtonSet buttons,
                   int helpContext = 0) override;
    void ShowMessage(const std::string& text) override;

private:
    const TLanguage& lang_;
    std::string appTitle_;
    QWidget* parent_ = nullptr;
};

// The object name of a dialog button of this result ("btnYes", "btnOK", ...),
// so tests and scripts find it.
const char* DialogButtonName(int result);

} // namespace vlm
