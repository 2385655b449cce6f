#include "render/VLMHTMLRender.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cstring>

namespace vlm {

namespace fs = std::filesystem;

namespace {

// Where the sentinel stands: inside the 50-pixel margin that no picture
// takes, so it never shows in one.
constexpr int kMargin = 50;
constexpr int kSentinelSize = 8;

// Runs the nested loop until `done` or the deadline; the loop lets the
// engine's events through, as the wait must.
template <typename Done> void WaitUntil(const Done& done, int deadlineMs) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    while (!done() && clock.elapsed() < deadlineMs) {
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

} // namespace

TRgbBitmap BitmapFromImage(const QImage& image, int width, int height) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    TRgbBitmap bitmap;
    bitmap.Width = width;
    bitmap.Height = height;
    bitmap.Pixels.assign(static_cast<std::size_t>(width) * height * 3, 0xFF);
    const int rows = std::min(height, rgb.height());
    const int columns = std::min(width, rgb.width());
    for (int y = 0; y < rows; ++y)
        std::memcpy(bitmap.Pixels.data() + static_cast<std::size_t>(y) * width * 3,
                    rgb.constScanLine(y), static_cast<std::size_t>(columns) * 3);
    return bitmap;
}

QImage ImageFromBitmap(const TRgbBitmap& bitmap) {
    QImage image(bitmap.Width, bitmap.Height, QImage::Format_RGB888);
    for (int y = 0; y < bitmap.Height; ++y)
        std::memcpy(image.scanLine(y),
                    bitmap.Pixels.data() + static_cast<std::size_t>(y) * bitmap.Width * 3,
                    static_cast<std::size_t>(bitmap.Width) * 3);
    return image;
}

TVLMHTMLRender::TVLMHTMLRender(TRenderCache cache)
    : cache_(std::move(cache)), view_(std::make_unique<QWebEngineView>()) {
    // Never on screen, but shown, so that the engine paints it. Scroll bars
    // are switched off here, not by the page's styles, which the page's own
    // layout depends on.
    view_->setAttribute(Qt::WA_DontShowOnScreen);
    view_->page()->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    view_->page()->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls,
                                            true);
    view_->resize(PageWidth + kMargin, PageHeight + kMargin);
    view_->show();
}

TVLMHTMLRender::~TVLMHTMLRender() = default;

bool TVLMHTMLRender::WaitForPaint(QRgb sentinel, const QPoint& at, int deadlineMs) {
    bool shown = false;
    WaitUntil(
        [&] {
            const QImage image = view_->grab().toImage();
            shown = image.valid(at) && (image.pixel(at) & 0xFFFFFF) == (sentinel & 0xFFFFFF);
            return shown;
        },
        deadlineMs);
    return shown;
}

std::optional<QImage> TVLMHTMLRender::Capture(const fs::path& htmlFile, int viewWidth,
                                              int viewHeight) {
    // A render asked for while one waits (an event handled in the nested
    // loop) would navigate the view away from under it.
    if (busy_)
        return std::nullopt;
    busy_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{busy_};

    QElapsedTimer clock;
    clock.start();
    view_->resize(viewWidth, viewHeight);
    bool loaded = false;
    const auto connection = QObject::connect(view_.get(), &QWebEngineView::loadFinished,
                                             [&loaded](bool) { loaded = true; });
    view_->load(QUrl::fromLocalFile(QString::fromStdString(htmlFile.string())));
    WaitUntil([&] { return loaded; }, LoadBoundMs);
    QObject::disconnect(connection);

    // A colour of this render alone, so a picture of the page before can
    // never pass for this one.
    ++renders_;
    const QRgb sentinel =
        qRgb((renders_ * 67) % 200 + 30, (renders_ * 151) % 200 + 30, (renders_ * 29) % 200 + 30);
    const QPoint at(viewWidth - kMargin / 2, viewHeight - kMargin / 2);
    const QString script =
        QStringLiteral(
            "(function(){if(!document.body)return false;"
            "document.body.setAttribute('scroll','no');"
            "var s=document.getElementById('vlm-render-sentinel')||document.createElement('div');"
            "s.id='vlm-render-sentinel';"
            "s.style.cssText='position:fixed;left:%1px;top:%2px;width:%3px;height:%3px;"
            "background:#%4;z-index:2147483647;margin:0;padding:0;border:0';"
            "document.documentElement.appendChild(s);return true;})()")
            .arg(at.x() - kSentinelSize / 2)
            .arg(at.y() - kSentinelSize / 2)
            .arg(kSentinelSize)
            .arg(QString::number(sentinel & 0xFFFFFF, 16).rightJustified(6, '0'));
    const auto left = [&] { return std::max<int>(200, LoadBoundMs - int(clock.elapsed())); };
    // Scripts of the page may set pictures' sources after the load: the
    // picture waits for every image the document has, within the bound.
    const auto ask = [&](const QString& code) {
        std::optional<QVariant> answer;
        view_->page()->runJavaScript(code, [&answer](const QVariant& v) { answer = v; });
        WaitUntil([&] { return answer.has_value(); }, left());
        return answer;
    };
    // A picture that has loaded may still be decoding, and the engine draws
    // large ones in a later frame than the rest: every image of the document
    // is made to decode with the frame that draws it, and the capture waits
    // until all are decoded (or have failed), within the bound.
    const std::optional<QVariant> started = ask(QStringLiteral(
        "(function(){window.vlmRenderReady=false;if(!document.body)return -1;"
        "Promise.all(Array.prototype.map.call(document.images,function(i){"
        "i.decoding='sync';return i.decode().catch(function(){});})).then(function(){"
        "window.vlmRenderReady=true;});return 1;})()"));
    if (started && started->toInt() == 1) {
        for (;;) {
            const std::optional<QVariant> ready = ask(QStringLiteral("window.vlmRenderReady"));
            if (!ready || ready->toBool() || clock.elapsed() >= LoadBoundMs)
                break;
            WaitUntil([] { return false; }, 10);
        }
    }
    const std::optional<QVariant> hasBody = ask(script);
    if (!hasBody || !hasBody->toBool()) {
        view_->load(QUrl(QStringLiteral("about:blank")));
        return std::nullopt;
    }
    WaitForPaint(sentinel, at, left());
    QImage image = view_->grab().toImage();
    // Sounds and videos of the page stop with it.
    view_->load(QUrl(QStringLiteral("about:blank")));
    return image;
}

bool TVLMHTMLRender::Render(const std::string& key, const fs::path& htmlFile, bool fitPage,
                            TRgbBitmap& bitmap) {
    if (bitmap.Width <= 0 || bitmap.Height <= 0)
        return false;
    std::optional<fs::path> cacheFile;
    if (!key.empty()) {
        cacheFile = cache_.CacheFileFor(htmlFile, key);
        if (cache_.FindPicture(htmlFile, key, bitmap.Width, bitmap.Height)) {
            QImage cached;
            if (cached.load(QString::fromStdString(cacheFile->string()), "PNG") &&
                cached.width() == bitmap.Width && cached.height() == bitmap.Height) {
                bitmap = BitmapFromImage(cached, bitmap.Width, bitmap.Height);
                return true;
            }
        }
    }
    const int viewWidth = (fitPage ? PageWidth : bitmap.Width) + kMargin;
    const int viewHeight = (fitPage ? PageHeight : bitmap.Height) + kMargin;
    const std::optional<QImage> image = Capture(htmlFile, viewWidth, viewHeight);
    if (!image)
        return false;
    bitmap = BitmapFromImage(*image, bitmap.Width, bitmap.Height);
    if (cacheFile) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (ImageFromBitmap(bitmap).save(&buffer, "PNG")) {
            std::error_code ec;
            fs::create_directories(cache_.CacheFolder(), ec);
            cache_.SavePicture(*cacheFile, png.toStdString());
        }
    }
    return false;
}

std::optional<TRgbBitmap> TVLMHTMLRender::RenderHtml(const fs::path& htmlFile, int width,
                                                     int height) {
    TRgbBitmap bitmap;
    bitmap.Width = width;
    bitmap.Height = height;
    if (width <= 0 || height <= 0)
        return std::nullopt;
    bitmap.Pixels.assign(static_cast<std::size_t>(width) * height * 3, 0xFF);
    const std::optional<QImage> image = Capture(htmlFile, width + kMargin, height + kMargin);
    if (!image)
        return std::nullopt;
    return BitmapFromImage(*image, width, height);
}

} // namespace vlm
