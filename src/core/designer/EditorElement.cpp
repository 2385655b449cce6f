#include "designer/EditorElement.h"

#include <algorithm>
#include <utility>

namespace vlm {

namespace {

// Carries one node's own text and attributes over; true when anything changed.
bool CarryNode(TjanXMLNode& original, const TjanXMLNode& copy) {
    bool changed = false;
    if (original.Text() != copy.Text()) {
        original.SetText(copy.Text());
        changed = true;
    }
    for (const auto& attribute : copy.Attributes()) {
        const TjanXMLAttribute* mine = original.FindAttribute(attribute->Name);
        if (!mine || mine->Value != attribute->Value) {
            original.SetAttribute(attribute->Name, attribute->Value);
            changed = true;
        }
    }
    return changed;
}

// The subtree pairwise by index, without recursion (pages nest deeply).
bool CarryTree(TjanXMLNode& original, const TjanXMLNode& copy) {
    bool changed = false;
    std::vector<std::pair<TjanXMLNode*, const TjanXMLNode*>> pending{{&original, &copy}};
    while (!pending.empty()) {
        auto [to, from] = pending.back();
        pending.pop_back();
        changed = CarryNode(*to, *from) || changed;
        const std::size_t count = std::min(to->ChildCount(), from->ChildCount());
        for (std::size_t i = 0; i < count; ++i)
            pending.emplace_back(to->Child(i), from->Child(i));
    }
    return changed;
}

} // namespace

TEditorElement::TEditorElement(TjanXMLNode& originalDocument, std::string elementKey)
    : original_(originalDocument), key_(std::move(elementKey)), copy_(originalDocument.Clone()) {}

TjanXMLNode* TEditorElement::Element() const {
    return copy_->FindChildByAttribute("globalIndex", key_);
}

std::vector<std::string> TEditorElement::Confirm() {
    std::vector<std::string> changed;
    const std::size_t count = std::min(original_.ChildCount(), copy_->ChildCount());
    for (std::size_t i = 0; i < count; ++i) {
        TjanXMLNode& element = *original_.Child(i);
        if (!CarryTree(element, *copy_->Child(i)))
            continue;
        const std::string key = element.GetAttributeText("globalIndex");
        if (std::find(changed.begin(), changed.end(), key) == changed.end())
            changed.push_back(key);
    }
    return changed;
}

} // namespace vlm
