#include "export/AiccCommand.h"
#include "common/StringRoutines.h"

#include "app/VLMVars.h"
#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "export/AICCRegFiles.h" // WithCrLfLines
#include "export/CourseGuard.h"
#include "export/ExportPipeline.h"
#include "export/ItemUrl.h"

#include <system_error>

namespace fs = std::filesystem;

namespace vlm {

TVLMAicc::TVLMAicc(const TExportEnvironment& env)
    : env_(env), project_(env.project, env.course, env.program, env.config, env.components) {}

TExportResult TVLMAicc::Execute(const TAiccOptions& options) {
    TProgressCloser closer(env_.progress);
    return RunWritingFiles(env_.prompt, [&]() -> TExportResult {
        multiSCO_ = options.multiSCO || options.profile == apLeo;
        if (TExportResult refused = GuardExport(env_.project, env_.course,
                                                PathFromCp1250(options.destination), env_.prompt);
            !refused.Ok())
            return refused;
        fs::path root;
        if (TExportResult check =
                CheckFolderDestination(PathFromCp1250(options.destination), env_.prompt, root);
            !check.Ok())
            return check;
        Progress& progress = env_.progress;
        progress.SetMax(6);
        progress.SetPosition(1);
        const fs::path exports = env_.program.ProgramDir / "exports";
        project_.CopyLayoutFolder(exports / "_common_exports_files" / "default", root);
        progress.SetPosition(2);
        project_.CopyLayoutFolder(exports / "AICC" / "default", root);
        if (options.profile == apLeo)
            project_.CopyLayoutFolder(exports / "AICC" / "leo", root);
        // The lexicon's folder copy has a progress of its own: the run's
        // positions stay as the target sets them.
        NullProgress lexiconProgress;
        try {
            project_.WriteLexicon(root, lexiconProgress);
        } catch (const std::exception& e) {
            return ReportFailure(env_.prompt, e.what());
        }
        progress.SetPosition(3);
        CopyDesignTemplate(project_, options.designTemplate, root);
        progress.SetPosition(4);
        if (!project_.WriteTreeScript(root / "ds_tree.html"))
            return ReportFailure(env_.prompt, WriteFailedMessage(root / "ds_tree.html"));
        const LmsFilter filter = MakeLmsFilter(kAiccLmsScript);
        pages_ = project_.ExportPages(root, 4, filter);
        if (TExportResult pages =
                CheckPagesReport(pages_, env_.program.PageTemplateFile, env_.prompt);
            !pages.Ok())
            return pages;
        if (!project_.CopyLmsRequest(root, filter))
            return ReportFailure(
                env_.prompt, WriteFailedMessage(root / "pages" / "lmsrequest" / "lmsrequest.html"));
        progress.SetPosition(5);
        const std::string name = PathToCp1250(root.parent_path().filename());
        fs::path failed;
        if (!project_.WriteAiccFiles(root, name, options.url, multiSCO_, &failed))
            return ReportFailure(env_.prompt, WriteFailedMessage(failed));
        CopyFixedFolder(exports / "js" / "aicc", root / "pages" / "aicc");
        const fs::path frameset = root / "js" / "frameset.js";
        const auto script = ReadFileBytes(frameset);
        if (!script)
            return ReportFailure(
                env_.prompt, FormatExportMessage("ERROR_FILE_NOT_FOUND", PathToCp1250(frameset)));
        const std::string text =
            ReplaceEvery(*script, "*[AiccMulti]*", multiSCO_ ? "true" : "false");
        if (!WriteFileBytes(frameset, WithCrLfLines(text)))
            return ReportFailure(env_.prompt, WriteFailedMessage(frameset));
        progress.SetPosition(6);
        return TExportResult::Done();
    });
}

} // namespace vlm
