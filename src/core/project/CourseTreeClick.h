#pragma once
// What a click on a course-tree node does, and when the selection may change.

#include "project/CourseTreeObserver.h"
#include "project/PageKind.h"

#include <functional>

namespace vlm {

class TCourseNode;
class TCourseTree;

struct TClickSteps {
    std::function<void()> clearStatus;               // the five status-bar panels
    std::function<void()> closePage;                 // the designer's page, when it shows one
    TPageKindSteps kind;                             // opening a designed page
    std::function<void(TCourseNode& node)> editPage; // actEditPage
    std::function<void()> openSettings;              // the course settings
};

class TCourseTreeClick : private TCourseTreeObserver {
public:
    explicit TCourseTreeClick(TCourseTree& tree);
    ~TCourseTreeClick() override;
    TCourseTreeClick(const TCourseTreeClick&) = delete;
    TCourseTreeClick& operator=(const TCourseTreeClick&) = delete;

    bool ClickBusy() const { return clickBusy_; }
    TCourseNode* LastClicked() const { return lastClicked_; }

    // The selection stays while a click runs or the designer still draws.
    bool CanChangeSelection(bool previewsPending) const { return !clickBusy_ && !previewsPending; }
    // Nothing for the node already clicked; otherwise closes the designer's
    // page and opens a designed page. False when nothing was done.
    bool Click(TCourseNode* node, const TClickSteps& steps);
    // The click, then the page's own editor for an address or a document;
    // the course settings on the root.
    void Enter(TCourseNode* node, const TClickSteps& steps);

private:
    void CourseTreeChanged(const TCourseTreeChange& change) override;

    TCourseTree& tree_;
    bool clickBusy_ = false;
    TCourseNode* lastClicked_ = nullptr;
};

} // namespace vlm
