#include "project/PageEditor.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "common/ConvertError.h"
#include "common/charConverter.h"
#include "page/xmp.h"
#include "project/AuthorDescription.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vlm {

namespace {

constexpr char kBackspace = 8;

int IntOrZero(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end ? value : 0;
}

std::string OrDefault(const TjanXMLNode& page, const std::string& name, const char* fallback) {
    const std::string value = page.GetAttributeText(name);
    return value.empty() ? std::string(fallback) : value;
}

bool Flag(const TjanXMLNode& page, const std::string& name) {
    return page.GetAttributeText(name) != "false";
}

const char* FlagText(bool flag) {
    return flag ? "true" : "false";
}

// A stored value with a malformed reference is shown as it is.
std::string EntitiesOrRaw(const std::string& text) {
    try {
        return EntitiesToText(text);
    } catch (const ConvertError&) {
        return text;
    }
}

} // namespace

int ClampPageHeight(int height) {
    return std::clamp(height, kMinPageHeight, kMaxPageHeight);
}

std::string DigitsOnly(std::string_view text, std::size_t maxLength) {
    std::string out;
    for (char c : text)
        if (c >= '0' && c <= '9' && out.size() < maxLength)
            out += c;
    return out;
}

bool AcceptsDigitKey(char key) {
    return (key >= '0' && key <= '9') || key == kBackspace;
}

std::string PageColorText(std::string_view stored, bool present) {
    if (!present || stored.empty())
        return "#FFFFFF";
    if (stored.size() > 6)
        stored.remove_prefix(1);
    const bool hex = stored.size() == 6 && std::all_of(stored.begin(), stored.end(), [](char c) {
                         return std::isxdigit(static_cast<unsigned char>(c)) != 0;
                     });
    if (!hex)
        return "#000000";
    std::string out = "#";
    for (char c : stored)
        out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

TPageProperties ReadPageProperties(const TjanXMLNode& page, int contentHeight) {
    TPageProperties p;
    p.Name = page.GetAttributeText("name");
    p.Groups = page.GetAttributeText("groups");
    p.TryCount = OrDefault(page, "tryCount", "1");
    p.MasteryScore = OrDefault(page, "masteryscore", "10");
    p.FeedbacksShow = Flag(page, "feedbacksShow");
    p.RememberAnswers = Flag(page, "rememberAnswers");
    p.BgColor = PageColorText(page.GetAttributeText("bgColor"), page.FindAttribute("bgColor"));
    p.Height = std::max(IntOrZero(page.GetAttributeText("height")), contentHeight);
    p.AuthorDescription = EntitiesOrRaw(page.GetAttributeText("descAuthor"));
    p.Links.Rows = LinksFromText(page.GetAttributeText("links"));
    p.Links.Compact();
    return p;
}

TPagePropertiesEditor::TPagePropertiesEditor(TXMPDocument& document, int contentHeight,
                                             UserPrompt& prompt)
    : document_(document), prompt_(prompt), page_(PageElement(document)) {
    if (page_) {
        Values = ReadPageProperties(*page_, contentHeight);
        originalName_ = Values.Name;
    }
}

bool TPagePropertiesEditor::Apply() {
    if (!page_)
        return false;
    const bool renamed = Values.Name != originalName_;
    if (renamed && document_.DocumentNode()->FindChildByAttribute("name", Values.Name)) {
        prompt_.MessageBox(LangText("EDT_ELEMENT_MSG_NAME_EXISTS_CAPTION"),
                           LangText("EDT_ELEMENT_MSG_NAME_EXISTS"), DialogType::Custom, kButtonsOK);
        return false;
    }
    if (renamed)
        page_->SetAttribute("name", Values.Name);
    page_->SetAttribute("masteryscore", DigitsOnly(Values.MasteryScore));
    page_->SetAttribute("descAuthor", TextToEntities(Values.AuthorDescription));
    page_->SetAttribute("tryCount", DigitsOnly(Values.TryCount, kTryCountLength));
    Values.Links.Compact();
    page_->SetAttribute("links", LinksToText(Values.Links.Rows));
    page_->SetAttribute("groups", Values.Groups);
    page_->SetAttribute("bgColor", PageColorText(Values.BgColor, true));
    page_->SetAttribute("feedbacksShow", FlagText(Values.FeedbacksShow));
    page_->SetAttribute("rememberAnswers", FlagText(Values.RememberAnswers));
    appliedHeight_ = ClampPageHeight(Values.Height);
    page_->SetAttribute("height", std::to_string(appliedHeight_));
    originalName_ = Values.Name;
    applied_ = true;
    return true;
}

bool EditPageProperties(TXMPDocument& document, int contentHeight, UserPrompt& prompt,
                        const std::function<bool(TPagePropertiesEditor& editor)>& dialog,
                        int* appliedHeight) {
    TPagePropertiesEditor editor(document, contentHeight, prompt);
    if (!editor.HasPage() || !dialog || !dialog(editor) || !editor.Applied())
        return false;
    if (appliedHeight)
        *appliedHeight = editor.AppliedHeight();
    return true;
}

} // namespace vlm
