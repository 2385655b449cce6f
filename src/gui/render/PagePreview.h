#pragma once
// The page preview window: the built page as a browser shows it, maximised,
// with Reload and Close; Escape closes it.

#include <QDialog>

#include <filesystem>

class QAction;
class QWebEngineView;

namespace vlm {

class TLanguage;

class TfrmPagePreview : public QDialog {
    Q_OBJECT
public:
    TfrmPagePreview(const std::filesystem::path& pageFile, const TLanguage& lang,
                    QWidget* parent = nullptr);

    QWebEngineView& Browser() { return *browser_; }

private:
    QWebEngineView* browser_;
};

} // namespace vlm
