#include "RenderCommand.h"

#include "CliSession.h"

#include "app/IniLang.h"
#include "common/Encoding.h"
#include "page/ClassDefinitions.h"
#include "page/ComponentsManager.h"
#include "page/janXMLTree.h"
#include "project/CourseLifecycle.h"
#include "render/PageOutputs.h"

#ifdef VLM_HAVE_RENDERER
#include "render/VLMHTMLRender.h"
#include "render/WebEngineSetup.h"

#include <QApplication>
#endif

#include <charconv>

namespace vlm::cli {

namespace fs = std::filesystem;

namespace {

#ifdef VLM_HAVE_RENDERER
// The application object the web engine needs, and the one view it draws
// with; the view goes first.
struct TCliRenderer {
    TCliRenderer(const TProgramPaths& paths) {
        PrepareWebEngine();
        static int argc = 1;
        static char name[] = "vellumar-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
        render = std::make_unique<TVLMHTMLRender>(
            TRenderCache(TRenderCache::CacheFolderFor(paths.UserDataDir), 40));
    }
    ~TCliRenderer() {
        render.reset();
        app.reset();
    }
    std::unique_ptr<QApplication> app;
    std::unique_ptr<TVLMHTMLRender> render;
};
#endif

std::optional<std::pair<int, int>> ParseSize(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return std::nullopt;
    int w = 0, h = 0;
    const char* begin = text.data();
    const auto a = std::from_chars(begin, begin + comma, w);
    const auto b = std::from_chars(begin + comma + 1, begin + text.size(), h);
    if (a.ec != std::errc() || a.ptr != begin + comma || b.ec != std::errc() ||
        b.ptr != begin + text.size() || w <= 0 || h <= 0 || w > 10000 || h > 10000)
        return std::nullopt;
    return std::make_pair(w, h);
}

int Fail(TCliSession& session, const std::string& key, const std::string& argument = {}) {
    session.output.Important(CliText(key, key + ": %s", argument));
    return kExitFailed;
}

#ifdef VLM_HAVE_RENDERER
const TjanXMLNode* FindElement(const TjanXMLNode& document, const std::string& name) {
    for (const auto& child : document.Children()) {
        std::string value;
        if (child->TryGetAttribute("name", value) && value == name)
            return child.get();
    }
    return nullptr;
}

int IntAttribute(const TjanXMLNode& node, const char* name, int fallback) {
    std::string text;
    int value = 0;
    if (!node.TryGetAttribute(name, text))
        return fallback;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return r.ec == std::errc() && value > 0 ? value : fallback;
}
#endif

} // namespace

void RestartForRenderer(char** argv) {
#ifdef VLM_HAVE_RENDERER
    WithoutEngineSanitizerReports(argv);
#else
    (void)argv;
#endif
}

PageRenderer* SessionRenderer(TCliSession& session) {
#ifdef VLM_HAVE_RENDERER
    if (!session.renderer)
        session.renderer = std::make_shared<TCliRenderer>(session.paths);
    return static_cast<TCliRenderer*>(session.renderer.get())->render.get();
#else
    (void)session;
    return nullptr;
#endif
}

int RunRender(TCliSession& session, const TRenderOptions& options) {
    std::optional<std::pair<int, int>> size;
    if (options.size && !(size = ParseSize(*options.size)))
        return Fail(session, "CLI_RENDER_BAD_SIZE", *options.size);
    TComponentsCollection library(session.prompt);
    const std::unique_ptr<TjanXMLTree> definitions =
        LoadComponentLibrary(library, session.programDir, session.prompt, CurrentLanguage());
    if (!definitions)
        return kExitFailed;
    TCourseLifecycle course(session.prompt, session.clock, session.random, *session.progress);
    course.OpenCourse(fs::absolute(options.file));
    struct Closer {
        TCourseLifecycle& course;
        ~Closer() { course.CloseCourse(); }
    } closer{course};
    const TProjectItem* item = course.Project.FindByPosition(options.item);
    if (!item)
        return Fail(session, "CLI_RENDER_NO_ITEM", std::to_string(options.item));
    const fs::path pageFile = course.Paths.PageFile(item->Id);
    if (item->PageType != ptContent || !PageHasDocument(pageFile))
        return Fail(session, "CLI_RENDER_NO_PAGE", std::to_string(options.item));
#ifdef VLM_HAVE_RENDERER
    TVLMHTMLRender& render = *static_cast<TVLMHTMLRender*>(SessionRenderer(session));
    TPageOutputContext context{session.paths, &library,
                               TTemplateCourse{PathToCp1250(course.Paths.CourseResourcesDir),
                                               course.Paths.CourseDir / "lexicon.ini",
                                               course.Project.ExportLexicon},
                               course.Paths.CourseTempDir, nullptr};
    fs::create_directories(course.Paths.CourseTempDir);
    TRgbBitmap bitmap;
    if (options.element) {
        TjanXMLTree page;
        page.LoadFromFile(pageFile);
        const TjanXMLNode* document = page.SelectSingle("document");
        const TjanXMLNode* element =
            document ? FindElement(*document, Utf8ToCp1250(*options.element)) : nullptr;
        if (!element)
            return Fail(session, "CLI_RENDER_NO_ELEMENT", *options.element);
        bitmap.Width = size ? size->first : IntAttribute(*element, "width", 100);
        bitmap.Height = size ? size->second : IntAttribute(*element, "height", 100);
        bitmap.Pixels.assign(static_cast<std::size_t>(bitmap.Width) * bitmap.Height * 3, 0xFF);
        std::string key;
        element->TryGetAttribute("id", key);
        const fs::path html = WriteElementPage(context, *element);
        render.Render(key, html, false, bitmap);
    } else {
        const fs::path html = WriteDesignerPreviewPage(context, pageFile);
        const int w = size ? size->first : TVLMHTMLRender::PageWidth;
        const int h = size ? size->second : TVLMHTMLRender::PageHeight;
        if (auto picture = render.RenderHtml(html, w, h))
            bitmap = std::move(*picture);
    }
    if (!bitmap.Valid())
        return Fail(session, "CLI_RENDER_NO_PICTURE", std::to_string(options.item));
    const fs::path output = fs::absolute(options.output);
    if (!ImageFromBitmap(bitmap).save(QString::fromStdString(output.string()), "PNG"))
        return Fail(session, "ERROR_EXPORT_FILE_NOT_WRITTEN", PathToCp1250(output));
    return kExitDone;
#else
    return Fail(session, "CLI_RENDER_NOT_BUILT");
#endif
}

} // namespace vlm::cli
