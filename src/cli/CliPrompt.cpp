#include "CliPrompt.h"
#include "common/AsciiText.h"

#include "app/IniLang.h"
#include "app/MessageDialog.h"

#include "common/Encoding.h"

#include <bit>
#include <cctype>
#include <cstdio>
#include <iostream>

namespace vlm::cli {

namespace {

bool IsQuestion(ButtonSet buttons) {
    return std::popcount(buttons) > 1;
}

std::string WithoutAccelerator(std::string caption) {
    std::string out;
    for (char c : caption)
        if (c != '&')
            out += c;
    return out;
}

// "Yes/No/Cancel" in the configured language.
std::string ButtonList(ButtonSet buttons) {
    const std::vector<std::string> captions =
        MessageDlgButtonCaptions(ReadMessageDlgTexts(CurrentLanguage()), buttons);
    std::string list;
    for (const std::string& caption : captions) {
        if (!list.empty())
            list += '/';
        list += WithoutAccelerator(caption);
    }
    return list;
}

std::string CaptionOfResult(int result, ButtonSet buttons) {
    const std::vector<int> indexes = ButtonIndexes(buttons);
    const std::vector<std::string> captions =
        MessageDlgButtonCaptions(ReadMessageDlgTexts(CurrentLanguage()), buttons);
    for (std::size_t i = 0; i < indexes.size() && i < captions.size(); ++i)
        if (ButtonResult(indexes[i]) == result)
            return WithoutAccelerator(captions[i]);
    return {};
}

} // namespace

int AnswerFor(TAnswer answer, ButtonSet buttons) {
    // The "to all" answers first: the same answer would be given to every file.
    static const std::pair<ButtonBit, int> yes[] = {
        {mbYesToAll, mrYesToAll}, {mbYes, mrYes}, {mbOK, mrOK}, {mbAll, mrAll}, {mbRetry, mrRetry}};
    static const std::pair<ButtonBit, int> no[] = {
        {mbNoToAll, mrNoToAll}, {mbNo, mrNo}, {mbCancel, mrCancel}, {mbAbort, mrAbort}};
    if (answer == TAnswer::Yes) {
        for (auto [bit, result] : yes)
            if (buttons & bit)
                return result;
    } else if (answer == TAnswer::No) {
        for (auto [bit, result] : no)
            if (buttons & bit)
                return result;
    }
    return mrCancel;
}

std::optional<int> TCliPrompt::Typed(ButtonSet buttons) const {
    const std::vector<int> indexes = ButtonIndexes(buttons);
    const std::vector<std::string> captions =
        MessageDlgButtonCaptions(ReadMessageDlgTexts(CurrentLanguage()), buttons);
    std::string line;
    while (true) {
        std::fputs("> ", stderr);
        std::fflush(stderr);
        if (!std::getline(std::cin, line))
            return std::nullopt;
        const std::string typed = LowerCaseAscii(Utf8ToCp1250(line));
        for (std::size_t i = 0; i < indexes.size() && i < captions.size(); ++i) {
            const std::string caption = LowerCaseAscii(captions[i]);
            const std::size_t amp = caption.find('&');
            const bool letter = amp != std::string::npos && amp + 1 < caption.size() &&
                                typed == caption.substr(amp + 1, 1);
            if (letter || typed == WithoutAccelerator(caption))
                return ButtonResult(indexes[i]);
        }
    }
}

int TCliPrompt::Show(const std::string& caption, const std::string& text, DialogType type,
                     ButtonSet buttons) {
    const std::string full = caption.empty() ? text : caption + "\n" + text;
    if (!IsQuestion(buttons)) {
        lastDeclined_ = false;
        if (type == DialogType::Error || type == DialogType::Warning)
            output_.Important(full);
        else
            output_.Message(full);
        const std::optional<int> only = DefaultButtonResult(buttons);
        return only ? *only : mrOK;
    }
    int result = AnswerFor(answer_, buttons);
    // A question answered on the command line is shown unless the run is quiet.
    if (answer_ == TAnswer::None || !output_.quiet)
        output_.Important(full + "\n(" + ButtonList(buttons) + ")");
    if (answer_ != TAnswer::None) {
        output_.Message("> " + CaptionOfResult(result, buttons));
    } else if (const std::optional<int> typed = interactive_ ? Typed(buttons) : std::nullopt) {
        result = *typed;
    } else {
        unanswered_ = true;
    }
    lastDeclined_ =
        result == mrCancel || result == mrNo || result == mrNoToAll || result == mrAbort;
    return result;
}

int TCliPrompt::MessageBox(const std::string& caption, const std::string& text, DialogType type,
                           ButtonSet buttons, const std::string&, bool* dontShowAgain) {
    // The check box is never ticked here: the message shows again next time.
    if (dontShowAgain)
        *dontShowAgain = true;
    return Show(caption, text, type, buttons);
}

int TCliPrompt::MessageDlg(const std::string& text, DialogType type, ButtonSet buttons, int) {
    return Show({}, text, type, buttons);
}

void TCliPrompt::ShowMessage(const std::string& text) {
    // The core's plain messages mostly say why something failed.
    lastDeclined_ = false;
    output_.Important(text);
}

int TCliPrompt::AbortExitCode() const {
    return lastDeclined_ ? kExitCancelled : kExitFailed;
}

} // namespace vlm::cli
