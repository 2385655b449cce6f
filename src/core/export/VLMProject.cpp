#include "export/VLMProject.h"
#include "common/StringRoutines.h"

#include "app/IniLang.h"
#include "app/LayoutTexts.h"
#include "app/VLMVars.h"
#include "app/VLMXConfig.h"
#include "common/AsciiText.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/FilesTools.h"
#include "common/IniFile.h"
#include "export/AICCRegFiles.h"
#include "export/ExportPipeline.h"
#include "export/ItemUrl.h"
#include "export/TreeScript.h"
#include "lexicon/LexiconExport.h"
#include "project/Project.h"
#include "render/HTMLTemplate.h"
#include "resources/ResourceFolder.h"

#include <optional>
#include <system_error>
#include <thread>

namespace fs = std::filesystem;

namespace vlm {

namespace {

constexpr const char* kLmsPlaceholder = "<!-- jscript:LMSManager //-->";
constexpr const char* kTitlePlaceholder = "<!-- program:title //-->";
constexpr const char* kLangPlaceholder = "<!-- program:lang //-->";

// A page's document title names the page first, then the course, so a window
// list or a screen reader tells pages of one course apart.
std::string PageDocumentTitle(const TProjectItem& item, const std::string& course) {
    if (course.empty() || course == item.Name)
        return HtmlEscape(item.Name);
    if (item.Name.empty())
        return HtmlEscape(course);
    return HtmlEscape(item.Name) + " - " + HtmlEscape(course);
}

} // namespace

LmsFilter MakeLmsFilter(std::string scriptTag) {
    return [tag = std::move(scriptTag)](const std::string& text) {
        return ReplaceEvery(text, kLmsPlaceholder, tag);
    };
}

TVLMProject::TVLMProject(const TProject& project, const TCoursePaths& course,
                         const TProgramPaths& program, const TVLMXConfig& config,
                         TComponentsCollection* components)
    : project_(project), course_(course), program_(program), config_(config),
      components_(components) {}

std::string TVLMProject::PageUrl(const TProjectItem& item) {
    return ::vlm::PageUrl(item);
}

std::string TVLMProject::ItemUrl(const TProjectItem& item) {
    return ::vlm::ItemUrl(item);
}

fs::path TVLMProject::PageSource(const TProjectItem& item) const {
    return course_.PageDir(item.Id);
}

TExportPagesReport TVLMProject::ExportPages(const fs::path& outputRoot, int templateKind,
                                            const LmsFilter& filter) {
    TExportPagesReport report;
    TTemplateCourse templateCourse;
    templateCourse.resourcesPath = PathToCp1250(course_.CourseResourcesDir);
    templateCourse.lexiconFile = course_.CourseDir / "lexicon.ini";
    templateCourse.exportLexicon = project_.ExportLexicon;
    THTMLTemplate page(templateKind, components_, templateCourse, &snippets_);
    // Read once: every page starts from the same bytes.
    // Every page speaks the course's content language.
    std::optional<std::string> pageTemplate = ReadFileBytes(program_.PageTemplateFile);
    if (pageTemplate)
        pageTemplate =
            ReplaceEvery(*pageTemplate, kLangPlaceholder,
                         TLayoutTexts(CurrentLanguage(), LanguageCode()).Text("HTML_LANG"));
    const fs::path pages = outputRoot / "pages";
    std::error_code ec;
    fs::create_directories(pages, ec);
    // The course's media are most of the bytes: they are copied while the
    // pages are built, into a folder no page or document is written to.
    std::optional<TCopyFailure> resourcesFailure;
    std::jthread resources([&] {
        if (copyMedia_)
            resourcesFailure = CopyFolderWhole(course_.CourseResourcesDir, pages / "resources",
                                               true, true, kAttrArchive);
    });
    for (const auto& entry : project_.Items) {
        const TProjectItem& item = *entry;
        bool ok = true;
        if (item.PageType == ptContent && item.Address.empty()) {
            // A page without its document yet has nothing to export.
            if (!fs::is_regular_file(course_.PageFile(item.Id), ec))
                continue;
            // Without the template every page would come out empty.
            if (!pageTemplate)
                report.templateMissing = true;
            ok = pageTemplate && ExportPage(item, outputRoot, *pageTemplate, page, filter);
            report.pagesWritten += ok;
        } else if (item.PageType == ptOutsideDocument && !item.Address.empty()) {
            ok = CopyDocument(item, outputRoot);
            report.documentsCopied += ok;
        }
        if (!ok)
            report.skippedIds.push_back(item.Id);
    }
    resources.join();
    ThrowCopyFailure(resourcesFailure);
    CopyFixedFolder(program_.ProgramDir / "components" / "api", pages / "api");
    return report;
}

bool TVLMProject::ExportPage(const TProjectItem& item, const fs::path& outputRoot,
                             const std::string& pageTemplate, THTMLTemplate& page,
                             const LmsFilter& filter) {
    const fs::path folder = outputRoot / "pages" / PageFolderName(item.Id);
    try {
        page.SetContent(
            ReplaceEvery(pageTemplate, kTitlePlaceholder, PageDocumentTitle(item, project_.Title)));
        page.SetPageIndex(item.Position);
        page.BuildPage(course_.PageFile(item.Id));
        page.SetApiPath("../api/");
        page.SetCommonPath("../../js/");
        if (filter)
            page.SetContent(filter(page.GetContent()));
        page.CleanUp();
    } catch (const std::exception&) {
        // One page that cannot be read or built does not stop the export.
        return false;
    }
    // A plain write: the output is made anew, so the safe replace of the
    // page template (a synced temporary file per page) only costs time. A
    // page not written whole (a full disk) ends the export.
    std::error_code ec;
    fs::create_directories(folder, ec);
    const fs::path file = folder / "_page.html";
    WriteWholeOrThrow(file, page.GetContent());
    return true;
}

bool TVLMProject::CopyDocument(const TProjectItem& item, const fs::path& outputRoot) const {
    // The name comes from the project file: only a plain name stays inside
    // the page folder and the output folder.
    if (!IsPlainFileName(item.Address))
        return false;
    const fs::path name = PathFromCp1250(item.Address);
    const fs::path source = course_.PageDir(item.Id) / name;
    const fs::path folder = outputRoot / "pages" / PageFolderName(item.Id);
    std::error_code ec;
    if (fs::symlink_status(source, ec).type() != fs::file_type::regular)
        return false;
    fs::create_directories(folder, ec);
    // A document already there is kept; one not written whole ends the export.
    ThrowCopyFailure(CopyFileWhole(source, folder / name, false));
    return true;
}

void TVLMProject::CopyLayoutFolder(const fs::path& source, const fs::path& target,
                                   bool recursive) const {
    CopyFixedFolder(source, target, recursive);
    if (!TLayoutTexts(CurrentLanguage(), LanguageCode()).FillCopiedFiles(source, target, recursive))
        throw EExportWriteFailed(WriteFailedMessage(target));
}

bool TVLMProject::CopyLmsRequest(const fs::path& outputRoot, const LmsFilter& filter) const {
    const fs::path target = outputRoot / "pages" / "lmsrequest";
    CopyLayoutFolder(program_.ProgramDir / "exports" / "lmsrequest", target);
    if (!filter)
        return true;
    const fs::path page = target / "lmsrequest.html";
    std::error_code ec;
    if (!fs::is_regular_file(page, ec))
        return true;
    const auto text = ReadFileBytes(page);
    if (!text)
        return false;
    WriteWholeOrThrow(page, filter(*text));
    return true;
}

bool TVLMProject::WriteTreeScript(const fs::path& file) const {
    return WriteTreeScriptFile(file, TreeScriptLines(project_));
}

bool TVLMProject::WriteAiccFiles(const fs::path& outputRoot, const std::string& name,
                                 const std::string& url, bool multiSCO,
                                 fs::path* failedFile) const {
    TAICCRegFiles files(project_, course_);
    files.URL = url;
    files.MultiSCO = multiSCO;
    files.Build();
    return files.Save(outputRoot, name, failedFile);
}

bool TVLMProject::WriteLexicon(const fs::path& outputRoot, Progress& progress) const {
    if (project_.ExportLexicon != 1)
        return true;
    return ::vlm::WriteLexicon(program_.ProgramDir, course_.CourseDir / "lexicon.ini", outputRoot,
                               progress, TLayoutTexts(CurrentLanguage(), LanguageCode()));
}

fs::path TVLMProject::DesignTemplateFolder(int kind) const {
    switch (kind) {
    case 0:
        return program_.ProgramDir;
    case 1:
        return program_.ProgramDir / "templates_design_export";
    case 4:
        return program_.ProgramDir / "user_defined" / "templates_design_export";
    default:
        return {};
    }
}

std::string CourseLanguageCode(const TVLMXConfig& config) {
    const std::string content = UpperCaseAscii(TrimText(ContentLanguage()));
    return content.empty() ? UpperCaseAscii(TrimText(config.LanguageCode)) : content;
}

std::string TVLMProject::LanguageCode() const {
    return CourseLanguageCode(config_);
}

std::string TVLMProject::ConfigValue(const std::string& name) const {
    if (SameTextAscii(name, "defaultTemplatesDesign"))
        return config_.DefaultTemplatesDesign;
    if (SameTextAscii(name, "LanguageLang"))
        return config_.LanguageCode;
    return {};
}

} // namespace vlm
