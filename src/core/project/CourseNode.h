#pragma once
// One node of the live course tree: it owns its item and its child nodes.

#include "project/Project.h"

#include <memory>
#include <vector>

namespace vlm {

class TCourseNode {
public:
    explicit TCourseNode(const TProjectItem& item, TCourseNode* parent = nullptr)
        : item_(std::make_unique<TProjectItem>(item)), parent_(parent) {}
    // Frees the subtree without recursion: a file may nest pages very deeply.
    ~TCourseNode();
    TCourseNode(const TCourseNode&) = delete;
    TCourseNode& operator=(const TCourseNode&) = delete;

    TProjectItem& Item() { return *item_; }
    const TProjectItem& Item() const { return *item_; }
    TCourseNode* Parent() const { return parent_; }
    bool IsRoot() const { return parent_ == nullptr; }
    const std::vector<std::unique_ptr<TCourseNode>>& Children() const { return children_; }
    int ChildCount() const { return static_cast<int>(children_.size()); }
    TCourseNode* Child(int index) const {
        return children_.at(static_cast<std::size_t>(index)).get();
    }
    // Index among the parent's children; 0 for the root.
    int Index() const;
    // 0 for the root, 1 for the pages below it.
    int Level() const;
    // True when `node` is this node or lies below it.
    bool Contains(const TCourseNode* node) const;

    bool Expanded = false;

private:
    friend class TCourseTree;
    TCourseNode* Append(std::unique_ptr<TCourseNode> child);
    TCourseNode* Insert(int index, std::unique_ptr<TCourseNode> child);
    std::unique_ptr<TCourseNode> Detach(TCourseNode* child);
    // Children by the items' Position as they stand (a stable sort).
    void SortChildrenByPosition();

    std::unique_ptr<TProjectItem> item_;
    TCourseNode* parent_ = nullptr;
    std::vector<std::unique_ptr<TCourseNode>> children_;
};

} // namespace vlm
