#include "project/CourseTreeView.h"

#include "common/QtText.h"
#include "project/CourseNodeView.h"
#include "project/CourseTree.h"

#include <QHeaderView>
#include <QStyle>

namespace vlm {

namespace {

constexpr int kNodeRole = Qt::UserRole;

QIcon KindIcon(const QStyle& style, int imageIndex) {
    switch (imageIndex) {
    case kImageCourse:
        return style.standardIcon(QStyle::SP_DirHomeIcon);
    case kImageContent:
        return style.standardIcon(QStyle::SP_FileIcon);
    case kImageURLLink:
        return style.standardIcon(QStyle::SP_DriveNetIcon);
    case kImageOutsideDocument:
        return style.standardIcon(QStyle::SP_FileLinkIcon);
    default:
        return style.standardIcon(QStyle::SP_FileDialogNewFolder);
    }
}

} // namespace

TCourseTreeView::TCourseTreeView(TCourseTree& tree, QWidget* parent)
    : QTreeWidget(parent), tree_(tree) {
    setObjectName("tvProject");
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    connect(this, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item, int) { ItemEdited(item); });
    connect(this, &QTreeWidget::currentItemChanged, this, [this] { emit Changed(); });
    // The user's folding is kept in the nodes, so a rebuild keeps it.
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (TCourseNode* node = NodeOf(item); node && !filling_)
            node->Expanded = true;
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (TCourseNode* node = NodeOf(item); node && !filling_)
            node->Expanded = false;
    });
    tree_.AddObserver(this);
    Rebuild();
}

TCourseTreeView::~TCourseTreeView() {
    tree_.RemoveObserver(this);
}

TCourseNode* TCourseTreeView::NodeOf(const QTreeWidgetItem* item) const {
    if (!item)
        return nullptr;
    return reinterpret_cast<TCourseNode*>(item->data(0, kNodeRole).value<quintptr>());
}

TCourseNode* TCourseTreeView::CurrentNode() const {
    return NodeOf(currentItem());
}

QTreeWidgetItem* TCourseTreeView::ItemOf(const TCourseNode* node) const {
    const auto it = items_.find(node);
    return it == items_.end() ? nullptr : it->second;
}

void TCourseTreeView::Select(TCourseNode* node) {
    if (QTreeWidgetItem* item = ItemOf(node))
        setCurrentItem(item);
}

void TCourseTreeView::StartRename() {
    TCourseNode* node = CurrentNode();
    if (node && !node->IsRoot())
        editItem(currentItem());
}

void TCourseTreeView::Show(QTreeWidgetItem& item, const TCourseNode& node) {
    const bool wasFilling = filling_;
    filling_ = true;
    item.setText(0, ToQt(NodeText(node)));
    item.setIcon(0, KindIcon(*style(), NodeImageIndex(node)));
    filling_ = wasFilling;
}

void TCourseTreeView::RefreshTexts() {
    for (const auto& [node, item] : items_)
        Show(*item, *node);
}

void TCourseTreeView::Rebuild() {
    TCourseNode* current = CurrentNode();
    filling_ = true;
    clear();
    items_.clear();
    for (TCourseNode* node : tree_.Nodes()) {
        QTreeWidgetItem* item = node->IsRoot() ? new QTreeWidgetItem(this)
                                               : new QTreeWidgetItem(ItemOf(node->Parent()));
        item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(node)));
        // The root is renamed through the course settings.
        if (!node->IsRoot())
            item->setFlags(item->flags() | Qt::ItemIsEditable);
        items_[node] = item;
        Show(*item, *node);
    }
    ApplyExpanded();
    filling_ = false;
    if (QTreeWidgetItem* item = ItemOf(current))
        setCurrentItem(item);
}

void TCourseTreeView::ApplyExpanded() {
    const bool wasFilling = filling_;
    filling_ = true;
    for (const auto& [node, item] : items_)
        item->setExpanded(node->Expanded || node->IsRoot());
    filling_ = wasFilling;
}

void TCourseTreeView::CourseTreeChanged(const TCourseTreeChange& change) {
    if (change.flags & tcRebuilt) {
        // Every node is new: nothing held before may be looked up again.
        filling_ = true;
        clear();
        items_.clear();
        filling_ = false;
        Rebuild();
    } else if (change.flags & tcStructure) {
        Rebuild();
    } else {
        if (change.flags & (tcText | tcImage)) {
            if (QTreeWidgetItem* item = ItemOf(change.node))
                Show(*item, *change.node);
            else
                RefreshTexts();
        }
        if (change.flags & tcExpand)
            ApplyExpanded();
    }
    if (change.node)
        Select(change.node);
    emit Changed();
}

void TCourseTreeView::ItemEdited(QTreeWidgetItem* item) {
    if (filling_)
        return;
    TCourseNode* node = NodeOf(item);
    if (!node)
        return;
    const std::string text = FromQt(item->text(0));
    // A refused or blank name shows the name the page keeps.
    if (!tree_.Rename(node, text))
        Show(*item, *node);
}

} // namespace vlm
