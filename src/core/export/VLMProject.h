#pragma once
// The generating operations every export target shares. Holds no course
// data: it reads the open course (its items after the tree was synced into
// the project) and the program folders.

#include "project/CoursePaths.h"
#include "render/SnippetCache.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vlm {

class Progress;
class TComponentsCollection;
class TProject;
class TProjectItem;
struct TProgramPaths;
struct TVLMXConfig;

// A target's transformation of the whole text of an exported page; an
// empty function is no filter.
using LmsFilter = std::function<std::string(const std::string&)>;

// The filter that puts `scriptTag` in place of every "<!-- jscript:LMSManager //-->".
LmsFilter MakeLmsFilter(std::string scriptTag);
inline constexpr const char* kAiccLmsScript =
    "<script type=\"text/javascript\" src=\"../aicc/lmsAICC.js\"></script>";
inline constexpr const char* kScormLmsScript =
    "<script type=\"text/javascript\" src=\"../scorm/lmsSCORM.js\"></script>";
inline constexpr const char* kExamLmsScript =
    "<script type=\"text/javascript\" src=\"../lms/lmsVLMExam.js\"></script>";

// What ExportPages did: the pages and documents written, and the page ids of
// the items that were given up (a page that could not be built or written,
// a document that could not be copied or whose name is not a plain file name).
struct TExportPagesReport {
    int pagesWritten = 0;
    int documentsCopied = 0;
    std::vector<int> skippedIds;
    bool templateMissing = false; // pages were there but the page template was not
};

// The course's content language ("EN"): the content language of the
// language file, else the configured language. Texts a learner sees in the
// layouts, the metadata's language and the report's default profile follow it.
std::string CourseLanguageCode(const TVLMXConfig& config);

class TVLMProject {
public:
    // `components` may be null (elements then have no class).
    TVLMProject(const TProject& project, const TCoursePaths& course, const TProgramPaths& program,
                const TVLMXConfig& config, TComponentsCollection* components);

    const TProject& Project() const { return project_; }
    const TCoursePaths& Course() const { return course_; }
    const TProgramPaths& Program() const { return program_; }

    // Every page as outputRoot/pages/pNNNNN/_page.html (template kind 4 or
    // 5), every document copied beside it (an existing one is kept), then
    // components/api/ and the course's resources/ copied below pages/.
    TExportPagesReport ExportPages(const std::filesystem::path& outputRoot, int templateKind,
                                   const LmsFilter& filter);
    // Packages add the media to the archive from the course itself; a copy
    // would only be read back and deleted.
    void LeaveMediaInCourse() { copyMedia_ = false; }
    // A layout folder of the program (frame set, request page, lexicon...)
    // copied as CopyFixedFolder copies, its texts filled in the course's
    // language (TLayoutTexts). Throws EExportWriteFailed as the copy does.
    void CopyLayoutFolder(const std::filesystem::path& source, const std::filesystem::path& target,
                          bool recursive = true) const;
    // exports/lmsrequest/ copied to outputRoot/pages/lmsrequest/ (a layout
    // folder), its lmsrequest.html filtered. False when the filtered page cannot be written.
    bool CopyLmsRequest(const std::filesystem::path& outputRoot, const LmsFilter& filter) const;
    // False when the existing file cannot be rewritten.
    bool WriteTreeScript(const std::filesystem::path& file) const;
    // The AICC course structure files named after `name` and "leoindex.inc".
    // False when one cannot be written (named in `failedFile`).
    bool WriteAiccFiles(const std::filesystem::path& outputRoot, const std::string& name,
                        const std::string& url, bool multiSCO,
                        std::filesystem::path* failedFile = nullptr) const;
    // The lexicon pages below outputRoot when the course exports its lexicon
    // (true otherwise). Throws what the lexicon export throws for its templates.
    bool WriteLexicon(const std::filesystem::path& outputRoot, Progress& progress) const;

    // Kind 0 the program folder, 1 its templates_design_export/, 4
    // user_defined/templates_design_export/; empty for any other kind.
    std::filesystem::path DesignTemplateFolder(int kind) const;
    // The course's content language (CourseLanguageCode).
    std::string LanguageCode() const;
    // "defaultTemplatesDesign" and "LanguageLang" (without case); empty otherwise.
    std::string ConfigValue(const std::string& name) const;

    static std::string PageUrl(const TProjectItem& item);
    static std::string ItemUrl(const TProjectItem& item);

    // The page folder of an item below the course folder.
    std::filesystem::path PageSource(const TProjectItem& item) const;

private:
    bool ExportPage(const TProjectItem& item, const std::filesystem::path& outputRoot,
                    const std::string& pageTemplate, class THTMLTemplate& page,
                    const LmsFilter& filter);
    bool CopyDocument(const TProjectItem& item, const std::filesystem::path& outputRoot) const;

    const TProject& project_;
    TCoursePaths course_;
    const TProgramPaths& program_;
    const TVLMXConfig& config_;
    TComponentsCollection* components_;
    bool copyMedia_ = true;
    TSnippetCache snippets_; // the snippet files, read once per run
};

} // namespace vlm
