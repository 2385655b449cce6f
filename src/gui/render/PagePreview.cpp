#include "render/PagePreview.h"

#include "common/WindowTranslation.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
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
    // Maximised; the screen's size as well, for desktops without a window
    // manager to do it.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    browser_->load(QUrl::fromLocalFile(QString::fromStdString(pageFile.string())));
}

} // namespace vlm
