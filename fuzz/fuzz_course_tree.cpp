// Feeds arbitrary bytes as a project file to the course tree and to the page
// picker, the way a course is opened and another course is read for page
// import. Duplicate page numbers are renumbered (Yes) in one build and kept
// (No) in another. Checked: renumbered pages share no number with any other
// page, new numbers are free and positive, what is written builds the same
// tree again, and every page the picker hands out lies in the other course's
// folder.
#include "app/NullUserPrompt.h"
#include "app/UserPrompt.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/SystemPorts.h"
#include "project/CourseTree.h"
#include "project/PagePicker.h"
#include "project/Project.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Answers every question with one button and shows nothing.
class FixedClock : public vlm::Clock {
public:
    vlm::DateTime Now() const override { return {2024, 5, 17, 10, 30, 15, 0}; }
    std::uint64_t TickCount() const override { return 0; }
};

class CountingRandom : public vlm::Random {
public:
    int Next(int range) override { return range > 0 ? static_cast<int>(n_++ % range) : 0; }

private:
    unsigned n_ = 0;
};

fs::path ScratchDir() {
    const fs::path dir =
        fs::temp_directory_path() / ("vlm_fuzz_" + std::to_string(::getpid()) + "_tree");
    fs::create_directories(dir);
    return dir;
}

// Names of the nodes in tree order, with their depth.
std::vector<std::pair<std::string, int>> Shape(const vlm::TCourseTree& tree) {
    std::vector<std::pair<std::string, int>> shape;
    for (const vlm::TCourseNode* node : tree.Nodes())
        shape.emplace_back(node->Item().Name, node->Level());
    return shape;
}

void CheckNewNumbers(vlm::TCourseTree& tree) {
    std::set<int> used;
    for (const vlm::TCourseNode* node : tree.Nodes())
        used.insert(node->Item().Id);
    for (bool fromCounter : {false, true}) {
        const int id = tree.NewPageId(fromCounter);
        if (id <= 0 || used.count(id))
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path dir = ScratchDir();
    static const fs::path input = dir / "course.vlmproject";
    static const fs::path output = dir / "saved.vlmproject";
    if (!vlm::WriteFileBytes(input, std::string(reinterpret_cast<const char*>(data), size)))
        __builtin_trap();

    vlm::NullUserPrompt yes(vlm::mrYes), no(vlm::mrNo);
    FixedClock clock;
    CountingRandom random;

    vlm::TProject project(yes);
    try {
        project.LoadFromFile(input);
    } catch (const vlm::Abort&) {
        return 0;
    }

    vlm::TCourseTree kept(no, clock, random);
    try {
        kept.BuildTree(project);
    } catch (const vlm::Abort&) {
        return 0; // no items
    }
    CheckNewNumbers(kept);

    vlm::TCourseTree tree(yes, clock, random);
    tree.IdCounter = project.MaxItemId();
    tree.BuildTree(project);
    if (tree.NodeCount() != kept.NodeCount())
        __builtin_trap();
    // Every duplicate was renumbered: no two pages name one folder.
    std::set<int> pages;
    for (const vlm::TCourseNode* node : tree.Nodes())
        if (!node->IsRoot() && !pages.insert(node->Item().Id).second)
            __builtin_trap();
    if (tree.IdCounter < project.MaxItemId())
        __builtin_trap();
    CheckNewNumbers(tree);
    tree.Add(nullptr);
    tree.Add(tree.Nodes().back());
    CheckNewNumbers(tree);

    // What the tree writes opens as the same tree.
    tree.SyncToProject(project);
    project.SaveToFile(output, true);
    vlm::TProject again(yes);
    again.LoadFromFile(output);
    vlm::TCourseTree reopened(yes, clock, random);
    reopened.BuildTree(again);
    if (Shape(reopened) != Shape(tree))
        __builtin_trap();

    // The picker reads the course as another one, with a counter that may
    // already be at its end.
    for (int counter : {0, INT_MAX}) {
        vlm::TPagePicker picker(yes, clock, random);
        int idCounter = counter;
        picker.Setup(input, idCounter);
        if (idCounter < counter)
            __builtin_trap();
        const fs::path courseDir = fs::weakly_canonical(input.parent_path());
        for (const vlm::TCourseNode* node : picker.Tree().Nodes()) {
            if (picker.Choose(node) == node->IsRoot())
                __builtin_trap();
            const vlm::TImportChoice& choice = picker.Result();
            if (node->IsRoot() || choice.ChosenTarget.empty() ||
                choice.ChosenKind == vlm::ptURLLink)
                continue;
            const fs::path target = fs::weakly_canonical(choice.TargetPath());
            const fs::path relative = target.lexically_relative(courseDir);
            if (relative.empty() || *relative.begin() == "..")
                __builtin_trap();
        }
    }
    return 0;
}
