#include "project/CourseTreeClick.h"

#include "project/CourseTree.h"

#include <algorithm>

namespace vlm {

TCourseTreeClick::TCourseTreeClick(TCourseTree& tree) : tree_(tree) {
    tree_.AddObserver(this);
}

TCourseTreeClick::~TCourseTreeClick() {
    tree_.RemoveObserver(this);
}

void TCourseTreeClick::CourseTreeChanged(const TCourseTreeChange& change) {
    // A node that left the tree must not be taken for the next one clicked.
    if (change.flags & tcRebuilt) {
        lastClicked_ = nullptr;
    } else if ((change.flags & tcStructure) && lastClicked_) {
        const auto nodes = tree_.Nodes();
        if (std::find(nodes.begin(), nodes.end(), lastClicked_) == nodes.end())
            lastClicked_ = nullptr;
    }
}

bool TCourseTreeClick::Click(TCourseNode* node, const TClickSteps& steps) {
    if (!node || node == lastClicked_ || clickBusy_)
        return false;
    struct Busy {
        bool& flag;
        explicit Busy(bool& f) : flag(f) { flag = true; }
        ~Busy() { flag = false; }
    } busy(clickBusy_);
    lastClicked_ = node;
    if (steps.clearStatus)
        steps.clearStatus();
    if (steps.closePage)
        steps.closePage();
    if (!node->IsRoot() && node->Item().PageType == ptContent)
        ChoosePageKind(tree_, *node, ptContent, steps.kind);
    return true;
}

void TCourseTreeClick::Enter(TCourseNode* node, const TClickSteps& steps) {
    if (!node)
        return;
    Click(node, steps);
    if (node->IsRoot()) {
        if (steps.openSettings)
            steps.openSettings();
        return;
    }
    const int kind = node->Item().PageType;
    if ((kind == ptURLLink || kind == ptOutsideDocument) && steps.editPage)
        steps.editPage(*node);
}

} // namespace vlm
