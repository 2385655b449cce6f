#pragma once
// The state of one property editor: a deep copy of the page's "document"
// node that the page scripts read and change, the edited element in it, and
// the carry-over of the copy's changes into the page on confirmation.

#include "page/janXMLTree.h"

#include <memory>
#include <string>
#include <vector>

namespace vlm {

class TEditorElement {
public:
    // Copies the original's "document" node; the element key is the edited
    // element's "globalIndex" text.
    TEditorElement(TjanXMLNode& originalDocument, std::string elementKey);

    const std::string& ElementKey() const { return key_; }
    TjanXMLNode& Copy() { return *copy_; }
    const TjanXMLNode& Copy() const { return *copy_; }
    // The copy's child whose "globalIndex" is the key, or null.
    TjanXMLNode* Element() const;

    // For every child of the original "document" and the copy's child at the
    // same index, compared child by child: a different text and every
    // attribute the copy has with another value (or the original lacks) go
    // into the original; attributes only the original has stay. Returns the
    // "globalIndex" texts of the top-level children that changed, each once
    // ("" for a child without one, such as the page record); empty when
    // nothing changed.
    std::vector<std::string> Confirm();

private:
    TjanXMLNode& original_;
    std::string key_;
    std::unique_ptr<TjanXMLNode> copy_;
};

} // namespace vlm
