#include "common/ProgressForm.h"

#include "common/WindowTranslation.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vlm {

TProgressForm::TProgressForm(const TLanguage& lang, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      bar_(new QProgressBar(this)) {
    setObjectName("ProgressForm");
    setWindowTitle(QStringLiteral("Progress"));
    setModal(false);
    // Counted from the start, not from the bar's "not started" value.
    bar_->setRange(0, 100);
    bar_->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    resize(360, sizeHint().height());
    TranslateWindow(*this, lang);
}

void TProgressForm::ShowAndPaint() {
    if (!isVisible()) {
        cancelled_ = false;
        if (QWidget* owner = parentWidget())
            move(owner->geometry().center() - rect().center());
        show();
    }
    // The operation runs on this thread: between its steps the window is
    // painted and Escape is read, as the program lets messages through.
    QCoreApplication::processEvents();
}

void TProgressForm::SetMax(int value) {
    bar_->setMaximum(value);
    ShowAndPaint();
}

void TProgressForm::SetMin(int value) {
    bar_->setMinimum(value);
    ShowAndPaint();
}

void TProgressForm::SetPosition(int value) {
    bar_->setValue(value);
    ShowAndPaint();
}

void TProgressForm::Step() {
    SetPosition(bar_->value() + 1);
}

void TProgressForm::Close() {
    hide();
}

void TProgressForm::reject() {
    cancelled_ = true;
}

} // namespace vlm
