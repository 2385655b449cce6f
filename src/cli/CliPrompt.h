#pragma once
// The user prompt of the command line: messages are printed; questions are
// printed and answered from --yes / --no (a quiet run then prints nothing);
// without either they are asked on the terminal, and a run without one
// answers Cancel (the command then ends as cancelled).

#include "CliOutput.h"

#include "app/UserPrompt.h"

#include <optional>

namespace vlm::cli {

enum class TAnswer { None, Yes, No };

class TCliPrompt : public UserPrompt {
public:
    // `interactive`: the answer may be typed (stdin is a terminal).
    TCliPrompt(const TCliOutput& output, TAnswer answer, bool interactive = false)
        : output_(output), answer_(answer), interactive_(interactive) {}

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
    // The button typed by its caption or its accelerator letter; nothing at end of input.
    std::optional<int> Typed(ButtonSet buttons) const;

    const TCliOutput& output_;
    TAnswer answer_;
    bool interactive_;
    bool unanswered_ = false;
    bool lastDeclined_ = false;
};

// The result --yes or --no gives among the buttons; Cancel when neither fits.
int AnswerFor(TAnswer answer, ButtonSet buttons);

} // namespace vlm::cli
