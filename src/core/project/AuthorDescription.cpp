#include "project/AuthorDescription.h"

#include "app/UserPrompt.h"
#include "common/ConvertError.h"
#include "common/StringTools.h"
#include "page/xmp.h"

#include <cctype>

namespace vlm {

std::string AuthorDescEncode(std::string_view text) {
    // The form encoding keeps the same characters; only its digits are upper-case.
    std::string out = UrlEncode(text);
    for (std::size_t i = 0; i < out.size(); ++i)
        if (out[i] == '%')
            for (std::size_t k = i + 1; k <= i + 2 && k < out.size(); ++k)
                out[k] = static_cast<char>(std::tolower(static_cast<unsigned char>(out[k])));
    return out;
}

std::string AuthorDescDecode(std::string_view text) {
    return UrlDecode(text);
}

bool EditAuthorDescription(TjanXMLNode* node, UserPrompt& prompt,
                           const AuthorDescriptionDialog& dialog) {
    if (!node || !dialog)
        return false;
    std::string text;
    try {
        text = AuthorDescDecode(node->GetAttributeText("descAuthor"));
    } catch (const ConvertError& e) {
        prompt.MessageDlg(e.what(), DialogType::Error, kButtonsOK);
        return false;
    }
    const std::optional<std::string> edited = dialog(text);
    if (!edited)
        return false;
    node->SetAttribute("descAuthor", AuthorDescEncode(*edited));
    return true;
}

TjanXMLNode* PageElement(const TXMPDocument& document) {
    TjanXMLNode* doc = document.DocumentNode();
    return doc ? doc->FindChild("page") : nullptr;
}

bool EditPageAuthorDescription(TXMPDocument& document, UserPrompt& prompt,
                               const AuthorDescriptionDialog& dialog) {
    return EditAuthorDescription(PageElement(document), prompt, dialog);
}

} // namespace vlm
