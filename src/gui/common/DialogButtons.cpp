#include "common/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace vlm {

TDialogButtons MakeDialogButtons(QDialog& dialog) {
    auto* ok = new QPushButton(&dialog);
    ok->setObjectName("btnOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton(&dialog);
    cancel->setObjectName("btnCancel");
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return {row, ok, cancel};
}

} // namespace vlm
