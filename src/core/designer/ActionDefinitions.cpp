#include "designer/ActionDefinitions.h"

#include "common/AsciiText.h"
#include "page/ClassDefinitions.h"

namespace vlm {

TActionDefinitions::TActionDefinitions(const TjanXMLNode& definitions) {
    if (const TjanXMLNode* document = DefinitionsDocument(definitions))
        document->CollectDescendants("class", classes_);
}

const TjanXMLNode* TActionDefinitions::Find(const std::string& name,
                                            const std::string& type) const {
    const TjanXMLNode* found = nullptr;
    for (const TjanXMLNode* node : classes_)
        if (SameTextAscii(node->GetAttributeText("name"), name) &&
            SameTextAscii(node->GetAttributeText("type"), type))
            found = node;
    return found;
}

std::optional<std::string> DefinitionCaption(const TjanXMLNode& definition,
                                             const std::string& language) {
    const TjanXMLNode* first = nullptr;
    for (const auto& child : definition.Children()) {
        if (child->Name() != "caption")
            continue;
        if (child->GetAttributeText("lang") == language)
            return child->Text();
        if (!first)
            first = child.get();
    }
    if (!first)
        return std::nullopt;
    return first->Text();
}

bool ActionTakesParameter(const TjanXMLNode& action) {
    return SameTextAscii(action.GetAttributeText("param"), "true");
}

bool ActionJumpsToPage(const TjanXMLNode& action) {
    return action.GetAttributeText("editorName") == kPagePickerEditor;
}

} // namespace vlm
