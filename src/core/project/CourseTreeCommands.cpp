// The editing commands of the course tree.
#include "project/CourseTree.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "common/AsciiText.h"
#include "common/FilesTools.h"
#include "project/CourseNodeView.h"

#include <set>

namespace vlm {

TCourseNode* TCourseTree::Add(TCourseNode* parent) {
    if (!root_)
        return nullptr;
    if (!parent)
        parent = root_.get();
    if (parent->Parent() && parent->Parent()->ChildCount() >= kMaxSiblingsForChildren)
        return nullptr;
    TProjectItem item;
    item.Name = LangText("DEFAULT_ELEMENT_NAME");
    item.Id = NewPageId(false);
    item.IsLeaf = false;
    item.Stamp = NewStamp();
    item.PageType = ptNone;
    TCourseNode* node = parent->Append(std::make_unique<TCourseNode>(item, parent));
    parent->Expanded = true;
    Renumber();
    const int index = node->Item().Position - 1;
    const unsigned generation = generation_;
    Notify(tcStructure | tcExpand | tcUnsaved | tcSaveNow, node);
    if (generation == generation_)
        return node;
    // Saving rebuilt the tree (Save As after a failed write): same shape.
    const std::vector<TCourseNode*> nodes = Nodes();
    return index < static_cast<int>(nodes.size()) ? nodes[static_cast<std::size_t>(index)]
                                                  : nullptr;
}

bool TCourseTree::Rename(TCourseNode* node, const std::string& text) {
    if (!node || node->IsRoot())
        return false;
    const std::string name = TrimText(text);
    if (name.empty()) {
        Notify(tcText, node); // the view shows the old name again
        return false;
    }
    node->Item().Name = name;
    Notify(tcText | tcUnsaved | tcSaveNow, node);
    return true;
}

bool TCourseTree::Delete(TCourseNode* node) {
    if (!node || node->IsRoot())
        return false;
    const std::string text = NodeText(*node) + "\r\r" +
                             LangText(node->ChildCount() > 0 ? "MESSAGE_DELETE_ALL_PAGES"
                                                             : "MESSAGE_DELETE_CURRENT_PAGE");
    const int answer = prompt_.MessageBox(LangText("MESSAGE_DELETE_CURRENT_PAGE_CAPTION"), text,
                                          DialogType::Confirmation, kButtonsYesNoCancel);
    if (answer == mrNo)
        return false;
    if (answer != mrYes)
        throw Abort();
    if (ClosePage)
        ClosePage();

    // A number kept twice (a duplicate left as it was) names the folder of a
    // page outside the subtree too: that folder is not this page's to delete.
    std::set<int> keep;
    for (TCourseNode* other : Nodes())
        if (!other->IsRoot() && !node->Contains(other))
            keep.insert(other->Item().Id);
    if (!Paths.CourseDir.empty()) {
        std::vector<TCourseNode*> subtree{node};
        while (!subtree.empty()) {
            TCourseNode* n = subtree.back();
            subtree.pop_back();
            for (const auto& child : n->Children())
                subtree.push_back(child.get());
            if (keep.count(n->Item().Id))
                continue;
            const std::filesystem::path folder = PageFolder(&n->Item());
            std::error_code ec;
            if (std::filesystem::exists(folder, ec))
                DeleteFolderTree(folder); // a folder that stays does not keep the node
        }
    }
    TCourseNode* parent = node->Parent();
    parent->Detach(node);
    Renumber();
    Notify(tcStructure | tcUnsaved, parent);
    return true;
}

void TCourseTree::Moved(TCourseNode* node) {
    node->Expanded = true;
    root_->Expanded = true;
    Renumber();
    Notify(tcStructure | tcExpand | tcUnsaved, node);
}

bool TCourseTree::MoveUp(TCourseNode* node) {
    if (!node || node->IsRoot() || node->Index() == 0)
        return false;
    TCourseNode* parent = node->Parent();
    const int index = node->Index();
    parent->Insert(index - 1, parent->Detach(node));
    Moved(node);
    return true;
}

bool TCourseTree::MoveDown(TCourseNode* node) {
    if (!node || node->IsRoot() || node->Index() + 1 >= node->Parent()->ChildCount())
        return false;
    TCourseNode* parent = node->Parent();
    const int index = node->Index();
    parent->Insert(index, parent->Detach(parent->Child(index + 1)));
    Moved(node);
    return true;
}

bool TCourseTree::MoveLeft(TCourseNode* node) {
    if (!node || node->IsRoot() || node->Parent()->IsRoot())
        return false;
    TCourseNode* parent = node->Parent();
    TCourseNode* grandparent = parent->Parent();
    std::unique_ptr<TCourseNode> own = parent->Detach(node);
    grandparent->Insert(parent->Index(), std::move(own));
    // Old positions put it between its former parent and that one's next sibling.
    grandparent->SortChildrenByPosition();
    Moved(node);
    return true;
}

bool TCourseTree::MoveRight(TCourseNode* node) {
    if (!node || node->IsRoot() || node->Index() == 0)
        return false;
    TCourseNode* parent = node->Parent();
    TCourseNode* sibling = parent->Child(node->Index() - 1);
    sibling->Append(parent->Detach(node));
    // Its old position follows the sibling's whole subtree: it lands last.
    sibling->SortChildrenByPosition();
    sibling->Expanded = true;
    Moved(node);
    return true;
}

bool TCourseTree::Drop(TCourseNode* dragged, TCourseNode* target) {
    if (!dragged || !target || !root_ || dragged->IsRoot() || target == dragged->Parent() ||
        dragged->Contains(target))
        return false;
    target->Insert(0, dragged->Parent()->Detach(dragged));
    target->SortChildrenByPosition();
    root_->Expanded = true;
    Renumber();
    Notify(tcStructure | tcExpand | tcUnsaved, dragged);
    return true;
}

} // namespace vlm
