#include "page/AccessibilityFindings.h"

#include "common/AsciiText.h"
#include "common/StringTools.h"
#include "page/janXMLTree.h"

#include <set>

namespace vlm {

namespace {

// Property values are stored form-encoded; a value of blanks says nothing.
bool Blank(const TjanXMLNode& element, const char* property) {
    return TrimText(UrlDecode(element.GetAttributeText(property))).empty();
}

bool AllBlank(const TjanXMLNode& element, std::initializer_list<const char*> properties) {
    for (const char* property : properties)
        if (!Blank(element, property))
            return false;
    return true;
}

// Options sharing a group are one question: it has a label when any of them has one.
bool GroupLabelled(const TjanXMLNode& document, const TjanXMLNode& option,
                   const std::string& group) {
    for (const auto& other : document.Children())
        if (other->Name() == option.Name() && other->GetAttributeText("group") == group &&
            !Blank(*other, "label"))
            return true;
    return false;
}

const char* ChoiceFinding(const TjanXMLNode& document, const TjanXMLNode& option,
                          std::set<std::string>& groupsSeen) {
    const std::string group = option.GetAttributeText("group");
    if (TrimText(UrlDecode(group)).empty())
        return AllBlank(option, {"label", "caption"}) ? "CLI_CHECK_A11Y_QUESTION_LABEL" : nullptr;
    if (!groupsSeen.insert(option.Name() + '\n' + group).second ||
        GroupLabelled(document, option, group))
        return nullptr;
    return "CLI_CHECK_A11Y_QUESTION_LABEL";
}

const char* ElementFinding(const TjanXMLNode& document, const TjanXMLNode& element,
                           std::set<std::string>& groupsSeen) {
    const std::string& cls = element.Name();
    if (cls == "image")
        return Blank(element, "alt") ? "CLI_CHECK_A11Y_IMAGE_ALT" : nullptr;
    if (cls == "button")
        return !Blank(element, "buttonSrc") && AllBlank(element, {"caption", "alt", "tooltip"})
                   ? "CLI_CHECK_A11Y_BUTTON_NAME"
                   : nullptr;
    if (cls == "input" || cls == "combo" || cls == "list" || cls == "trackbar")
        return Blank(element, "label") ? "CLI_CHECK_A11Y_QUESTION_LABEL" : nullptr;
    if (cls == "checkbox" || cls == "radiobutton")
        return ChoiceFinding(document, element, groupsSeen);
    if (cls == "DDElement")
        return Blank(element, "caption") ? "CLI_CHECK_A11Y_QUESTION_LABEL" : nullptr;
    if (cls == "video")
        return Blank(element, "captions") ? "CLI_CHECK_A11Y_VIDEO_CAPTIONS" : nullptr;
    if (cls == "html")
        return Blank(element, "label") ? "CLI_CHECK_A11Y_FRAME_TITLE" : nullptr;
    return nullptr;
}

} // namespace

std::vector<TAccessibilityFinding> AccessibilityFindings(const TjanXMLNode& document) {
    std::vector<TAccessibilityFinding> findings;
    std::set<std::string> groupsSeen;
    for (const auto& element : document.Children())
        if (const char* key = ElementFinding(document, *element, groupsSeen))
            findings.push_back({key, UrlDecode(element->GetAttributeText("name"))});
    return findings;
}

} // namespace vlm
