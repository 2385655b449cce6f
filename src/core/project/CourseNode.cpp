#include "project/CourseNode.h"

#include <algorithm>
#include <stdexcept>

namespace vlm {

TCourseNode::~TCourseNode() {
    std::vector<std::unique_ptr<TCourseNode>> pending = std::move(children_);
    while (!pending.empty()) {
        std::unique_ptr<TCourseNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->children_)
            pending.push_back(std::move(child));
        node->children_.clear();
    }
}

int TCourseNode::Index() const {
    if (!parent_)
        return 0;
    const auto& siblings = parent_->children_;
    for (std::size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

int TCourseNode::Level() const {
    int level = 0;
    for (const TCourseNode* p = parent_; p; p = p->parent_)
        ++level;
    return level;
}

bool TCourseNode::Contains(const TCourseNode* node) const {
    for (; node; node = node->parent_)
        if (node == this)
            return true;
    return false;
}

TCourseNode* TCourseNode::Append(std::unique_ptr<TCourseNode> child) {
    return Insert(ChildCount(), std::move(child));
}

TCourseNode* TCourseNode::Insert(int index, std::unique_ptr<TCourseNode> child) {
    if (!child || index < 0 || index > ChildCount())
        throw std::invalid_argument("TCourseNode::Insert: bad child or index");
    child->parent_ = this;
    TCourseNode* raw = child.get();
    children_.insert(children_.begin() + index, std::move(child));
    return raw;
}

std::unique_ptr<TCourseNode> TCourseNode::Detach(TCourseNode* child) {
    const auto it = std::find_if(children_.begin(), children_.end(),
                                 [&](const auto& c) { return c.get() == child; });
    if (it == children_.end())
        throw std::invalid_argument("TCourseNode::Detach: not a child");
    std::unique_ptr<TCourseNode> out = std::move(*it);
    children_.erase(it);
    out->parent_ = nullptr;
    return out;
}

void TCourseNode::SortChildrenByPosition() {
    std::stable_sort(children_.begin(), children_.end(), [](const auto& a, const auto& b) {
        return a->Item().Position < b->Item().Position;
    });
}

} // namespace vlm
