#include "export/CourseWalk.h"

#include "project/Project.h"

#include <algorithm>
#include <map>
#include <set>

namespace vlm {

TCourseWalk::TCourseWalk(const TProject& project) {
    const TProjectItem* root = nullptr;
    std::multimap<int, const TProjectItem*> byParent;
    for (const auto& item : project.Items) {
        if (item->ParentPosition == 0 && !root)
            root = item.get();
        else
            byParent.emplace(item->ParentPosition, item.get());
    }
    if (!root)
        return;
    // Nodes are laid out first, breadth-first; the links between them and
    // the pre-order are made once the vector no longer grows.
    nodes_.push_back({root, 0, {}});
    std::set<const TProjectItem*> seen{root};
    std::vector<std::vector<std::size_t>> childIndexes(project.Items.size());
    for (std::size_t next = 0; next < nodes_.size(); ++next) {
        const TProjectItem* parent = nodes_[next].item;
        std::vector<const TProjectItem*> kids;
        auto [from, to] = byParent.equal_range(parent->Position);
        for (auto it = from; it != to; ++it)
            if (seen.insert(it->second).second)
                kids.push_back(it->second);
        std::stable_sort(kids.begin(), kids.end(),
                         [](auto* a, auto* b) { return a->Position < b->Position; });
        for (const TProjectItem* kid : kids) {
            childIndexes[next].push_back(nodes_.size());
            nodes_.push_back({kid, nodes_[next].depth + 1, {}});
        }
    }
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        for (std::size_t c : childIndexes[i])
            nodes_[i].children.push_back(&nodes_[c]);
    // Iterative, so a very deep tree cannot exhaust the stack.
    std::vector<const TWalkNode*> pending{&nodes_.front()};
    while (!pending.empty()) {
        const TWalkNode* node = pending.back();
        pending.pop_back();
        preOrder_.push_back(node);
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
            pending.push_back(*it);
    }
}

} // namespace vlm
