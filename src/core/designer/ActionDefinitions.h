#pragma once
// Event and action definitions: "class" nodes of the definition tree told
// apart by "type", found by name, with a caption per language.

#include "page/janXMLTree.h"

#include <optional>
#include <string>

namespace vlm {

// The built-in page picker's editor name: the parameter is a page number.
inline constexpr const char* kPagePickerEditor = "projectListItems.html";

class TActionDefinitions {
public:
    // Every "class" node anywhere below the definition tree's "document".
    explicit TActionDefinitions(const TjanXMLNode& definitions);

    // Name and type compared without regard to case; the last match wins.
    const TjanXMLNode* Find(const std::string& name, const std::string& type) const;

private:
    TjanXMLNodeList classes_;
};

// The first "caption" whose "lang" is the language, else the first one;
// nothing for a definition without captions (it is not offered).
std::optional<std::string> DefinitionCaption(const TjanXMLNode& definition,
                                             const std::string& language);

// An action definition's "param" reads "true" (any case).
bool ActionTakesParameter(const TjanXMLNode& action);

// Whether the action's parameter is a page number chosen in the page picker.
bool ActionJumpsToPage(const TjanXMLNode& action);

} // namespace vlm
