#include "export/VLMScenarioCommand.h"

#include "app/UserPrompt.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "common/FilesTools.h"
#include "export/CourseGuard.h"
#include "export/ExportPipeline.h"
#include "render/PageOutputs.h"
#include "render/PageRenderer.h"

#include <system_error>

namespace vlm {

namespace fs = std::filesystem;

TVLMScenarioCommand::TVLMScenarioCommand(const TExportEnvironment& env, PageRenderer* renderer,
                                         const TjanXMLNode* definitions, const Clock& clock)
    : env_(env), renderer_(renderer), definitions_(definitions), clock_(clock) {}

std::optional<TRgbBitmap> TVLMScenarioCommand::Shoot(const fs::path& pageFile) {
    if (!renderer_)
        return std::nullopt;
    try {
        TPageOutputContext context{env_.program, env_.components,
                                   TTemplateCourse{PathToCp1250(env_.course.CourseResourcesDir),
                                                   env_.course.CourseDir / "lexicon.ini",
                                                   env_.project.ExportLexicon},
                                   env_.course.CourseTempDir, nullptr};
        const fs::path html = WriteDesignerPreviewPage(context, pageFile);
        return renderer_->RenderHtml(html, 800, 600);
    } catch (const std::exception&) {
        return std::nullopt; // a page that cannot be built has no picture
    }
}

bool TVLMScenarioCommand::WriteScenarioReport(const fs::path& rtfTemplate,
                                              const fs::path& iniTemplate,
                                              const fs::path& outputFile) {
    TCourseTemplate report(env_.project, env_.course, definitions_, env_.prompt, env_.progress,
                           clock_);
    report.LoadTemplates(rtfTemplate, iniTemplate);
    const StringList lines = report.Build(outputFile.parent_path(),
                                          [this](const fs::path& page) { return Shoot(page); });
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    // Whole or not at all: the report replaces an older one only when written.
    return WriteFileAtomic(outputFile, text);
}

TExportResult TVLMScenarioCommand::Execute(const TScenarioOptions& options) {
    TProgressCloser closer(env_.progress);
    const fs::path file = PathFromCp1250(options.destination);
    if (TExportResult r = GuardExport(env_.project, env_.course, file, env_.prompt); !r.Ok())
        return r;
    std::error_code ec;
    if (fs::is_directory(file.parent_path(), ec)) {
        if (fs::exists(file, ec)) {
            const int answer =
                env_.prompt.MessageBox({}, FormatExportMessage("SFileExists", options.destination),
                                       DialogType::Confirmation, kButtonsYesNoCancel);
            if (answer != mrYes && answer != mrNo)
                return TExportResult::Cancelled();
        }
    } else {
        fs::create_directories(file.parent_path(), ec);
        if (!IsRealFolder(file.parent_path()))
            return ReportFailure(env_.prompt, WriteFailedMessage(file));
    }
    if (!WriteScenarioReport(options.profile.RtfFile, options.profile.IniFile, file))
        return ReportFailure(env_.prompt, WriteFailedMessage(file));
    return TExportResult::Done();
}

} // namespace vlm
