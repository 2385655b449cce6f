#pragma once
// The off-screen renderer: one web view, never shown, reused for every
// picture of an element or a page, with the picture cache of the core.

#include "render/PageRenderer.h"
#include "render/RenderCache.h"

#include <QImage>
#include <QObject>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QWebEngineView;

namespace vlm {

class TVLMHTMLRender : public QObject, public PageRenderer {
    Q_OBJECT
public:
    explicit TVLMHTMLRender(TRenderCache cache);
    ~TVLMHTMLRender() override;

    static constexpr int PageWidth = 800;
    static constexpr int PageHeight = 600;
    // How long a page may take to load; then it is drawn as far as it got.
    static constexpr int LoadBoundMs = 3000;

    // The picture of the HTML file in `bitmap` (whose size says what is
    // wanted); true only when it came from the cache. An empty key neither
    // reads nor writes the cache. A zero-sized bitmap, a document without a
    // body or a render asked for during another leave the bitmap as it was.
    bool Render(const std::string& key, const std::filesystem::path& htmlFile, bool fitPage,
                TRgbBitmap& bitmap);

    // PageRenderer: the page at that size, not cached.
    std::optional<TRgbBitmap> RenderHtml(const std::filesystem::path& htmlFile, int width,
                                         int height) override;

    TRenderCache& Cache() { return cache_; }
    // Renders so far that had to wait for the page to be painted (for the benchmarks).
    int Renders() const { return renders_; }

private:
    // The view's picture once the page is loaded and painted; nothing for a
    // document without a body or when busy.
    std::optional<QImage> Capture(const std::filesystem::path& htmlFile, int viewWidth,
                                  int viewHeight);
    bool WaitForPaint(QRgb sentinel, const QPoint& at, int deadlineMs);

    TRenderCache cache_;
    std::unique_ptr<QWebEngineView> view_;
    bool busy_ = false;
    int renders_ = 0;
};

// Bitmap <-> image conversions of the renderer.
TRgbBitmap BitmapFromImage(const QImage& image, int width, int height);
QImage ImageFromBitmap(const TRgbBitmap& bitmap);

} // namespace vlm
