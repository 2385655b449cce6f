#include "project/CourseStructure.h"

#include "common/StringRoutines.h"
#include "project/Project.h"

#include <algorithm>
#include <map>
#include <set>

namespace vlm {

namespace {

constexpr int kItemLines = 8;

// The items the course tree places, walked as it walks them: from the first
// item by the parent positions of the others, each item at most once.
std::vector<bool> PlacedItems(const TProject& project) {
    const int count = project.ItemCount();
    std::vector<bool> placed(static_cast<std::size_t>(count), false);
    if (count == 0)
        return placed;
    std::map<int, std::vector<int>> children;
    for (int i = 1; i < count; ++i)
        children[project.GetItem(i).ParentPosition].push_back(i);
    placed[0] = true;
    std::vector<int> stack{project.GetItem(0).Position};
    while (!stack.empty()) {
        const int position = stack.back();
        stack.pop_back();
        const auto it = children.find(position);
        if (it == children.end())
            continue;
        for (int index : it->second) {
            if (placed[static_cast<std::size_t>(index)])
                continue;
            placed[static_cast<std::size_t>(index)] = true;
            stack.push_back(project.GetItem(index).Position);
        }
    }
    return placed;
}

} // namespace

std::vector<TStructureProblem> FindStructureProblems(const TProject& project) {
    std::vector<TStructureProblem> problems;
    const int count = project.ItemCount();
    if (count == 0)
        return problems;
    const auto add = [&](TStructureProblemKind kind, const TProjectItem& item) {
        problems.push_back({kind, item.Position, item.Id, item.Name});
    };
    std::set<int> positions;
    bool root = false;
    for (int i = 0; i < count; ++i) {
        positions.insert(project.GetItem(i).Position);
        root = root || project.GetItem(i).ParentPosition == 0;
    }
    if (!root)
        add(TStructureProblemKind::NoRoot, project.GetItem(0));

    const std::vector<bool> placed = PlacedItems(project);
    std::set<int> ids;
    for (int i = 0; i < count; ++i) {
        const TProjectItem& item = project.GetItem(i);
        if (!placed[static_cast<std::size_t>(i)]) {
            if (item.ParentPosition == 0)
                add(TStructureProblemKind::SecondRoot, item);
            else if (item.ParentPosition == item.Position)
                add(TStructureProblemKind::ParentIsSelf, item);
            else if (!positions.count(item.ParentPosition))
                add(TStructureProblemKind::ParentMissing, item);
            else
                add(TStructureProblemKind::ParentCycle, item);
            continue;
        }
        if (!ids.insert(item.Id).second)
            add(TStructureProblemKind::DuplicateId, item);
    }
    std::stable_sort(problems.begin(), problems.end(),
                     [](const auto& a, const auto& b) { return a.position < b.position; });
    return problems;
}

bool HasCutLastItem(const std::filesystem::path& projectFile) {
    const StringList lines = ReadLines(projectFile);
    const auto tree = std::find(lines.begin(), lines.end(), "[COURSE_TREE]");
    if (tree == lines.end())
        return false;
    const auto after = static_cast<std::size_t>(lines.end() - tree - 1);
    return after % kItemLines == 1;
}

} // namespace vlm
