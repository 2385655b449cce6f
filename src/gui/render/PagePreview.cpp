#include "render/PagePreview.h"

#include "common/WindowTranslation.h"

#include <QAction>
#include <QKeySequence>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace vlm {

TfrmPagePreview::TfrmPagePreview(const std::filesystem::path& pageFile, const TLanguage& lang,
                                 QWidget* parent)
    : QDialog(parent), browser_(new QWebEngineView(this)) {
    setObjectName("frmPagePreview");
    setWindowTitle(QStringLiteral("Page preview"));
    auto* toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* refresh = toolbar->addAction(QStringLiteral("Reload"));
    refresh->setObjectName("actRefresh");
    refresh->setShortcut(QKeySequence::Refresh);
    auto* close = toolbar->addAction(QStringLiteral("Close"));
    close->setObjectName("actClose");
    connect(refresh, &QAction::triggered, browser_, &QWebEngineView::reload);
    connect(close, &QAction::triggered, this, &QDialog::reject);

    // Pictures, videos and background sounds play as they would for a learner.
    QWebEngineSettings* settings = browser_->page()->settings();
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(browser_, 1);
    TranslateWindow(*this, lang);
    setWindowState(windowState() | Qt::WindowMaximized);
    browser_->load(QUrl::fromLocalFile(QString::fromStdString(pageFile.string())));
}

} // namespace vlm
