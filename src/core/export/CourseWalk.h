#pragma once
// The course tree as the exports walk it: the items of the project's list
// linked by their parent positions, children in position order.

#include <vector>

namespace vlm {

class TProject;
class TProjectItem;

struct TWalkNode {
    const TProjectItem* item = nullptr;
    int depth = 0; // 0 for the root
    std::vector<const TWalkNode*> children;
};

class TCourseWalk {
public:
    // Items whose parent chain does not reach the root are left out; an item
    // is visited once even when the list holds repeated positions.
    explicit TCourseWalk(const TProject& project);

    // Null for a course without a root item.
    const TWalkNode* Root() const { return nodes_.empty() ? nullptr : &nodes_.front(); }
    // Every node, depth-first in pre-order, the root first.
    const std::vector<const TWalkNode*>& PreOrder() const { return preOrder_; }

private:
    std::vector<TWalkNode> nodes_;
    std::vector<const TWalkNode*> preOrder_;
};

} // namespace vlm
