#pragma once
// What opening a course would repair in its project file: items the course
// tree cannot place (and so leaves out), a missing root, page numbers used
// twice, and a last item cut off after its first line. Found before
// anything is dropped, so a check can report them and an opening can keep
// the file as it was.

#include <filesystem>
#include <string>
#include <vector>

namespace vlm {

class TProject;

enum class TStructureProblemKind {
    NoRoot,        // no item has parent 0: the first item is taken as the root
    SecondRoot,    // another item with parent 0: left out
    ParentIsSelf,  // the item names itself as its parent: left out
    ParentMissing, // the parent position names no item: left out
    ParentCycle,   // its parents lead in a circle or to an item left out: left out
    DuplicateId,   // the page number of an earlier item: renumbered or kept after a question
};

struct TStructureProblem {
    TStructureProblemKind kind;
    int position = 0; // the item's position
    int id = 0;       // its page number
    std::string name; // cp1250
};

// The problems of the item list as read, in position order.
std::vector<TStructureProblem> FindStructureProblems(const TProject& project);

// True when the course tree of the project file ends with a line that the
// reader ignores: an item cut off after its name.
bool HasCutLastItem(const std::filesystem::path& projectFile);

} // namespace vlm
