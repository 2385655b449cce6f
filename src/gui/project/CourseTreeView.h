#pragma once
// The course tree (tvProject): it shows the core's TCourseTree and follows
// it through its observer interface; renames typed in place go to the
// tree's Rename command.

#include "project/CourseTreeObserver.h"

#include <QTreeWidget>

#include <unordered_map>

namespace vlm {

class TCourseNode;
class TCourseTree;

class TCourseTreeView : public QTreeWidget, private TCourseTreeObserver {
    Q_OBJECT
public:
    TCourseTreeView(TCourseTree& tree, QWidget* parent = nullptr);
    ~TCourseTreeView() override;

    TCourseNode* CurrentNode() const;
    void Select(TCourseNode* node);
    QTreeWidgetItem* ItemOf(const TCourseNode* node) const;
    // In-place editing of the selected page's name.
    void StartRename();
    // Texts that come from the language file (the root's).
    void RefreshTexts();

signals:
    // The tree or its selection changed.
    void Changed();

private:
    void CourseTreeChanged(const TCourseTreeChange& change) override;
    void Rebuild();
    void Show(QTreeWidgetItem& item, const TCourseNode& node);
    void ApplyExpanded();
    void ItemEdited(QTreeWidgetItem* item);
    TCourseNode* NodeOf(const QTreeWidgetItem* item) const;

    TCourseTree& tree_;
    std::unordered_map<const TCourseNode*, QTreeWidgetItem*> items_;
    bool filling_ = false;
};

} // namespace vlm
