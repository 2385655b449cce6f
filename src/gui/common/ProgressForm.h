#pragma once
// The progress window of long operations: a small tool window with one bar,
// shown without being modal, centred on its parent and closed by the
// operation that opened it. Escape asks the operation to stop.

#include "common/Progress.h"

#include <QDialog>

class QProgressBar;

namespace vlm {

class TLanguage;

class TProgressForm : public QDialog, public Progress {
    Q_OBJECT
public:
    TProgressForm(const TLanguage& lang, QWidget* parent = nullptr);

    void SetMax(int value) override;
    void SetMin(int value) override;
    void SetPosition(int value) override;
    void Step() override;
    void Close() override;
    bool Cancelled() const override { return cancelled_; }

    const QProgressBar& Bar() const { return *bar_; }

protected:
    void reject() override; // Escape

private:
    void ShowAndPaint();

    QProgressBar* bar_;
    bool cancelled_ = false;
};

} // namespace vlm
