#include "export/VLMExplorerCommand.h"

#include "app/UserPrompt.h"
#include "app/VLMVars.h"
#include "common/Encoding.h"
#include "common/Progress.h"
#include "export/CourseGuard.h"
#include "export/ExportPipeline.h"
#include "project/Project.h"

#include <system_error>

namespace fs = std::filesystem;

namespace vlm {

bool IsProjectFolder(const fs::path& destination, const fs::path& projectFolder) {
    if (projectFolder.empty())
        return false;
    fs::path a = destination, b = projectFolder;
    a /= "";
    b /= "";
    if (a == b || a.lexically_normal() == b.lexically_normal())
        return true;
    // "/x/course/." or a link to it is the same folder under another name.
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

TVLMExplorerCommand::TVLMExplorerCommand(const TExportEnvironment& env)
    : env_(env), project_(env.project, env.course, env.program, env.config, env.components) {}

TExportResult TVLMExplorerCommand::Execute(const TExplorerOptions& options) {
    TProgressCloser closer(env_.progress);
    return RunWritingFiles(env_.prompt, [&]() -> TExportResult {
        env_.progress.SetMax(3);
        const fs::path destination = PathFromCp1250(options.destination);
        if (IsProjectFolder(destination, env_.project.Folder)) {
            const std::string text = FormatExportMessage("MESSAGE_CANT_SAVE_ITS_PROJECT_PATH");
            env_.prompt.MessageBox({}, text, DialogType::Information, kButtonsOK);
            return TExportResult::Failed(text);
        }
        if (TExportResult refused =
                GuardExport(env_.project, env_.course, destination, env_.prompt);
            !refused.Ok())
            return refused;
        fs::path root;
        if (TExportResult check = CheckFolderDestination(destination, env_.prompt, root);
            !check.Ok())
            return check;
        const fs::path exports = env_.program.ProgramDir / "exports";
        env_.progress.SetPosition(1);
        project_.CopyLayoutFolder(exports / "_common_exports_files" / "default", root);
        project_.CopyLayoutFolder(exports / "VLMExplorer" / "default", root);
        // The lexicon's folder copy has a progress of its own: the run's
        // positions stay as the target sets them.
        NullProgress lexiconProgress;
        try {
            project_.WriteLexicon(root, lexiconProgress);
        } catch (const std::exception& e) {
            return ReportFailure(env_.prompt, e.what());
        }
        env_.progress.SetPosition(2);
        CopyDesignTemplate(project_, options.designTemplate, root);
        if (!project_.WriteTreeScript(root / "ds_tree.html"))
            return ReportFailure(env_.prompt, WriteFailedMessage(root / "ds_tree.html"));
        pages_ = project_.ExportPages(root, 4, {});
        if (TExportResult pages =
                CheckPagesReport(pages_, env_.program.PageTemplateFile, env_.prompt);
            !pages.Ok())
            return pages;
        if (!project_.CopyLmsRequest(root, {}))
            return ReportFailure(
                env_.prompt, WriteFailedMessage(root / "pages" / "lmsrequest" / "lmsrequest.html"));
        return TExportResult::Done();
    });
}

} // namespace vlm
