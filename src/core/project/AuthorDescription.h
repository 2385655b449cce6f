#pragma once
// The author's note of a page or an element ("descAuthor"), as the
// author-description dialog reads and writes it: URL-style encoded. The page
// properties dialog stores the same attribute character-reference encoded;
// files rely on both forms, so neither editor converts the other's.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vlm {

class TjanXMLNode;
class TXMPDocument;
class UserPrompt;

// Letters, digits and ! $ ' ( ) * - . @ _ stay, a space becomes "+", any
// other byte "%" + two lower-case hexadecimal digits.
std::string AuthorDescEncode(std::string_view text);
// "+" is a space, "%%" a "%", "%" + two hexadecimal digits that byte. Throws
// ConvertError for a "%" without two characters after it or with non-hex ones.
std::string AuthorDescDecode(std::string_view text);

// The dialog: shown with the decoded note; the new text, or nothing on cancel.
using AuthorDescriptionDialog = std::function<std::optional<std::string>(const std::string& text)>;

// Runs the dialog on the node's "descAuthor" and stores the text on OK. A
// value that cannot be decoded is reported (error dialog) and the dialog does
// not open. True when the note was stored.
bool EditAuthorDescription(TjanXMLNode* node, UserPrompt& prompt,
                           const AuthorDescriptionDialog& dialog);

// The same on the page document's "page" element; nothing without one.
bool EditPageAuthorDescription(TXMPDocument& document, UserPrompt& prompt,
                               const AuthorDescriptionDialog& dialog);

// The "page" element of a page document; null when no page is open.
TjanXMLNode* PageElement(const TXMPDocument& document);

} // namespace vlm
