#include "project/ProjectTemplatesForm.h"

#include "common/DialogButtons.h"
#include "common/QtText.h"
#include "common/WindowTranslation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vlm {

TfrmProjectTemplates::TfrmProjectTemplates(const std::vector<TProjectTemplateItem>& templates,
                                           const TLanguage& lang, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setObjectName("frmProjectTemplates");
    auto* info = new QLabel(this);
    info->setObjectName("lbInfo");
    list_->setObjectName("lvTemplates");
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(QSize(48, 48));
    list_->setGridSize(QSize(150, 96));
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setWordWrap(true);
    const QIcon icon = style()->standardIcon(QStyle::SP_FileDialogDetailedView);
    for (const TProjectTemplateItem& item : templates)
        new QListWidgetItem(icon, ToQt(item.Caption), list_);
    if (list_->count() > 0)
        list_->setCurrentRow(0);

    const TDialogButtons buttons = MakeDialogButtons(*this);
    QPushButton* ok = buttons.ok;
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    // OK needs a template to take.
    const auto updateOk = [this, ok] { ok->setEnabled(list_->currentItem() != nullptr); };
    connect(list_, &QListWidget::currentItemChanged, this, updateOk);
    updateOk();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(list_);
    layout->addLayout(buttons.row);
    resize(520, 360);
    TranslateWindow(*this, lang);
}

std::optional<TProjectTemplateItem>
TfrmProjectTemplates::Choose(const std::vector<TProjectTemplateItem>& templates,
                             const TLanguage& lang, QWidget* parent) {
    TfrmProjectTemplates form(templates, lang, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    const int row = form.List().currentRow();
    if (row < 0 || row >= static_cast<int>(templates.size()))
        return std::nullopt;
    return templates[static_cast<std::size_t>(row)];
}

} // namespace vlm
