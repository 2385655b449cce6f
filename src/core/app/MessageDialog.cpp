#include "app/MessageDialog.h"

#include <algorithm>
#include <cmath>

namespace vlm {

namespace {
constexpr int kResults[kButtonCount] = {mrYes,    mrNo,  mrOK,      mrCancel,   mrAbort, mrRetry,
                                        mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrHelp};
constexpr const char* kButtonNames[kButtonCount] = {
    "Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "NoToAll", "YesToAll", "Help"};
constexpr int kButtonWidth = 85;

int RoundPixel(double v) {
    return static_cast<int>(std::lround(v));
}
} // namespace

int ButtonResult(int bitIndex) {
    return bitIndex >= 0 && bitIndex < kButtonCount ? kResults[bitIndex] : mrCancel;
}

std::vector<int> ButtonIndexes(ButtonSet buttons) {
    std::vector<int> out;
    for (int j = 0; j < kButtonCount; ++j)
        if (buttons & (1u << j))
            out.push_back(j);
    return out;
}

const char* DialogTypeName(DialogType type) {
    switch (type) {
    case DialogType::Warning:
        return "Warning";
    case DialogType::Error:
        return "Error";
    case DialogType::Information:
        return "Information";
    case DialogType::Confirmation:
        return "Confirm";
    case DialogType::Custom:
        break;
    }
    return "";
}

std::optional<int> DefaultButtonResult(ButtonSet b) {
    if (b & mbOK)
        return mrOK;
    if (b & mbYes)
        return mrYes;
    if (b & mbRetry)
        return mrRetry;
    return std::nullopt;
}

std::optional<int> CancelButtonResult(ButtonSet b) {
    if (b & mbCancel)
        return mrCancel;
    if (b & mbNo)
        return mrNo;
    if (b & mbOK)
        return mrOK;
    return std::nullopt;
}

int EscapeResult(ButtonSet buttons) {
    return CancelButtonResult(buttons).value_or(mrCancel);
}

std::array<std::string, kButtonCount> MessageBoxButtonCaptions(const TLanguage& lang) {
    std::array<std::string, kButtonCount> out;
    const std::string all = lang.LangText("ButtonCaptions");
    std::vector<std::string> entries;
    std::size_t start = 0;
    for (std::size_t p; (p = all.find(',', start)) != std::string::npos; start = p + 1)
        entries.push_back(all.substr(start, p - start));
    entries.push_back(all.substr(start));
    for (int j = 0; j < kButtonCount; ++j)
        out[j] = (std::size_t(j) < entries.size() && !(entries.size() == 1 && entries[0].empty()))
                     ? entries[j]
                     : kButtonNames[j];
    return out;
}

TMessageBoxLayout LayoutMessageBox(const TLanguage& lang, const TMessageBoxRequest& r) {
    TMessageBoxLayout l;
    l.caption = r.caption.empty() ? r.appTitle : r.caption;
    if (r.type != DialogType::Custom)
        l.caption = lang.LangText(std::string("MSGAPPDLG_") + DialogTypeName(r.type));

    l.checkBoxVisible = r.dontShowAgain;
    l.checkBoxChecked = !r.dontShowAgain;

    l.width = r.currentWidth;
    const long long estimate = static_cast<long long>(r.fontPointSize) * r.text.size();
    if (estimate >= l.width)
        l.width = static_cast<int>(std::min<long long>(estimate, 450));

    switch (r.type) {
    case DialogType::Warning:
        l.icon = TMessageIcon::Exclamation, l.sound = "SystemExclamation";
        break;
    case DialogType::Error:
        l.icon = TMessageIcon::Hand, l.sound = "SystemHand";
        break;
    case DialogType::Information:
        l.icon = TMessageIcon::Asterisk, l.sound = "SystemAsterisk";
        break;
    case DialogType::Confirmation:
        l.icon = TMessageIcon::Question, l.sound = "SystemQuestion";
        break;
    case DialogType::Custom:
        l.icon = TMessageIcon::Application;
        break;
    }

    const std::vector<int> indexes = ButtonIndexes(r.buttons);
    const int n = static_cast<int>(indexes.size());
    int left;
    if (n <= 1) {
        left = RoundPixel((l.width - 81) / 2.0);
    } else {
        l.width = std::max(93 * n + 16, l.width);
        left = RoundPixel((l.width - 89 * n) / 2.0);
    }
    const int labelHeight = r.labelHeight ? r.labelHeight(l.width) : 0;
    l.buttonTop = labelHeight >= 50 ? r.labelTop + labelHeight + 20 : 70;
    l.height = l.buttonTop + 70 + (l.checkBoxVisible ? 25 : 0);

    const auto captions = MessageBoxButtonCaptions(lang);
    for (int j : indexes) {
        l.buttons.push_back({j, ButtonResult(j), captions[j], left, l.buttonTop, kButtonWidth});
        left += kButtonWidth + 4;
    }
    l.defaultResult = DefaultButtonResult(r.buttons);
    l.cancelResult = CancelButtonResult(r.buttons);
    return l;
}

TMessageDlgTexts ReadMessageDlgTexts(const TLanguage& lang) {
    TMessageDlgTexts t;
    for (int i = 0; i < 4; ++i)
        t.typeCaptions[i] =
            lang.LangText(std::string("MSGAPPDLG_") + DialogTypeName(static_cast<DialogType>(i)));
    for (int j = 0; j < kButtonCount; ++j)
        t.buttons[j] = lang.LangText(std::string("MSGAPPDLG_") + kButtonNames[j]);
    t.helpNone = lang.LangText("MSGAPPDLG_HelpNone");
    t.helpHelp = lang.LangText("MSGAPPDLG_HelpHelp");
    return t;
}

std::string MessageDlgCaption(const TMessageDlgTexts& texts, DialogType type,
                              const std::string& appTitle) {
    const int i = static_cast<int>(type);
    return i >= 0 && i < 4 ? texts.typeCaptions[i] : appTitle;
}

std::vector<std::string> MessageDlgButtonCaptions(const TMessageDlgTexts& texts,
                                                  ButtonSet buttons) {
    std::vector<std::string> out;
    for (int j : ButtonIndexes(buttons))
        out.push_back(texts.buttons[j]);
    return out;
}

} // namespace vlm
