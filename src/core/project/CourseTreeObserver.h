#pragma once
// How views and the course lifecycle hear of changes to the course tree.

namespace vlm {

class TCourseNode;

// Change flags; one notification may carry several.
enum TCourseTreeChangeFlag : unsigned {
    tcRebuilt = 1u << 0,   // every node was replaced (built, cleared)
    tcStructure = 1u << 1, // nodes added, removed or moved
    tcText = 1u << 2,      // a node's text
    tcImage = 1u << 3,     // a node's image (its page kind)
    tcExpand = 1u << 4,    // nodes' Expanded flags were set
    tcUnsaved = 1u << 5,   // the course differs from its file
    tcSaveNow = 1u << 6,   // the change is to be written at once
};

struct TCourseTreeChange {
    unsigned flags = 0;
    // The node concerned (the new one after an add, to be selected and
    // clicked); null when the change concerns the whole tree.
    TCourseNode* node = nullptr;
};

class TCourseTreeObserver {
public:
    virtual ~TCourseTreeObserver() = default;
    virtual void CourseTreeChanged(const TCourseTreeChange& change) = 0;
};

} // namespace vlm
