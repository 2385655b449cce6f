#pragma once
// The user prompt of the command line: messages are printed; questions are
// printed and answered from --yes / --no, or with Cancel when neither was
// given (the command then ends as cancelled).

#include "CliOutput.h"

#include "app/UserPrompt.h"

namespace vlm::cli {

enum class TAnswer { None, Yes, No };

class TCliPrompt : public UserPrompt {
public:
    TCliPrompt(const TCliOutput& output, TAnswer answer) : output_(output), answer_(answer) {}

    int MessageBox(const std::string& caption, const std::string& text, DialogType type,
                   ButtonSet buttons, const std::string& helpTopic = {},
                   bool* dontShowAgain = nullptr) override;
    int MessageDlg(const std::string& text, DialogType type, ButtonSet buttons,
                   int helpContext = 0) override;
    void ShowMessage(const std::string& text) override;

    // A question met without an answer given on the command line.
    bool Unanswered() const { return unanswered_; }
    // The last thing shown was a question answered No or Cancel.
    bool LastDeclined() const { return lastDeclined_; }
    // How a command that the core ended silently ends: cancelled when a
    // question stopped it, failed when a message told why.
    int AbortExitCode() const;

private:
    int Show(const std::string& caption, const std::string& text, DialogType type,
             ButtonSet buttons);

    const TCliOutput& output_;
    TAnswer answer_;
    bool unanswered_ = false;
    bool lastDeclined_ = false;
};

// The result --yes or --no gives among the buttons; Cancel when neither fits.
int AnswerFor(TAnswer answer, ButtonSet buttons);

} // namespace vlm::cli
