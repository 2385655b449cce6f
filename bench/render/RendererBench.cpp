// The off-screen renderer as the designer and the storyboard report use it:
// the first picture of a run (the engine starting), element pictures cold
// and from the cache, whole pages, and a 50-element page cold and warm.
// Prints medians and totals in milliseconds.

#include "render/VLMHTMLRender.h"
#include "render/WebEngineSetup.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace vlm;

namespace {

// An element's page as the designer writes it: one positioned box with text.
std::string ElementPage(int n) {
    return "<html><head><style>body{margin:0}div{position:absolute;left:0;top:0;width:200px;"
           "height:60px;background:#" +
           std::string(n % 2 ? "2f6db5" : "d04030") +
           ";color:#fff;font:14px sans-serif}</style></head><body><div>Element " +
           std::to_string(n) + "</div></body></html>";
}

std::string WholePage() {
    std::string page = "<html><body style=\"margin:0\">";
    for (int i = 0; i < 20; ++i)
        page += "<div style=\"position:absolute;left:" + std::to_string(i * 37 % 700) +
                "px;top:" + std::to_string(i * 29 % 500) +
                "px;width:90px;height:40px;background:#48a\">Text " + std::to_string(i) + "</div>";
    return page + "</body></html>";
}

fs::path Write(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

// Built by appending: GCC 12 warns falsely on "literal" + string.
std::string Key(int n) {
    std::string key = "{E";
    key += std::to_string(n);
    key += '}';
    return key;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    WithoutEngineSanitizerReports(argv);
    PrepareWebEngine();
    QApplication app(argc, argv);
    const fs::path dir = fs::temp_directory_path() / "vlm_bench_renderer";
    fs::remove_all(dir);
    fs::create_directories(dir);
    TVLMHTMLRender render(TRenderCache(dir / "cache", 40));
    QElapsedTimer clock;

    const fs::path first = Write(dir / "first.html", ElementPage(-1));
    clock.start();
    render.RenderHtml(first, 200, 60);
    const double startup = clock.nsecsElapsed() / 1e6;

    std::vector<fs::path> elements;
    for (int i = 0; i < 50; ++i)
        elements.push_back(Write(dir / (std::to_string(i) + ".html"), ElementPage(i)));
    // The 50 element pictures once: each one's time, and the total.
    const auto allElements = [&](std::vector<double>& times) {
        QElapsedTimer total;
        total.start();
        for (int i = 0; i < 50; ++i) {
            QElapsedTimer one;
            one.start();
            TRgbBitmap bitmap{200, 60, {}};
            render.Render(Key(i), elements[i], false, bitmap);
            times.push_back(one.nsecsElapsed() / 1e6);
        }
        return total.nsecsElapsed() / 1e6;
    };
    std::vector<double> cold, warm, pages;
    const double coldTotal = allElements(cold); // rendered and cached
    const double warmTotal = allElements(warm); // from the cache
    const fs::path page = Write(dir / "page.html", WholePage());
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer one;
        one.start();
        render.RenderHtml(page, TVLMHTMLRender::PageWidth, TVLMHTMLRender::PageHeight);
        pages.push_back(one.nsecsElapsed() / 1e6);
    }
    std::printf("first picture of the run (engine start): %8.1f ms\n", startup);
    std::printf("element picture, cold, median:           %8.1f ms\n", Median(cold));
    std::printf("element picture, from the cache, median: %8.2f ms\n", Median(warm));
    std::printf("whole page (800x600), median:            %8.1f ms\n", Median(pages));
    std::printf("50 element pictures, cold, total:        %8.1f ms\n", coldTotal);
    std::printf("50 element pictures, warm, total:        %8.1f ms\n", warmTotal);
    fs::remove_all(dir);
    return 0;
}
