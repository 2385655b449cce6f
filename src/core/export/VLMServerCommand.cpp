#include "export/VLMServerCommand.h"

#include "app/UserPrompt.h"
#include "app/VLMVars.h"
#include "common/Encoding.h"
#include "export/CourseGuard.h"
#include "export/ExportPipeline.h"
#include "export/ImsManifest.h"
#include "export/PackageRun.h"
#include "export/VLMScorm11Command.h"

#include <system_error>

namespace vlm {

namespace fs = std::filesystem;

TVLMServerCommand::TVLMServerCommand(const TExportEnvironment& env, Random& random, bool exam)
    : env_(env), random_(random), exam_(exam),
      project_(env.project, env.course, env.program, env.config, env.components) {
    project_.LeaveMediaInCourse();
}

TExportResult TVLMServerCommand::Execute(const TServerOptions& options) {
    TProgressCloser closer(env_.progress);
    return RunWritingFiles(env_.prompt, [&]() -> TExportResult {
        const fs::path file = PathFromCp1250(options.destination);
        // An existing package was confirmed by the wizard; it is replaced when
        // the new one is whole.
        if (TExportResult r = GuardExport(env_.project, env_.course, file, env_.prompt); !r.Ok())
            return r;
        env_.progress.SetMax(4);
        fs::path workDir;
        if (TExportResult r = PreparePackageFolders(file, random_, env_.prompt, workDir); !r.Ok())
            return r;
        TWorkFolder work(workDir);
        if (TExportResult r = Assemble(work.Path()); !r.Ok())
            return r;
        return PackPackage(work.Path(), file, env_.prompt, true, env_.course.CourseResourcesDir);
    });
}

TExportResult TVLMServerCommand::Assemble(const fs::path& root) {
    Progress& progress = env_.progress;
    const fs::path exports = env_.program.ProgramDir / "exports";
    project_.CopyLayoutFolder(exports / "VLMServer" / "default", root);
    progress.SetPosition(1);
    project_.CopyLayoutFolder(exports / "_common_exports_files" / "default", root);
    try {
        if (!project_.WriteLexicon(root, progress))
            return ReportFailure(env_.prompt, WriteFailedMessage(root / "lexicon"));
        progress.SetPosition(2);
        const LmsFilter filter = MakeLmsFilter(exam_ ? kExamLmsScript : kScormLmsScript);
        pages_ = project_.ExportPages(root, exam_ ? 5 : 4, filter);
        TImsManifest manifest(env_.project, env_.course.CourseDir, env_.prompt,
                              MetadataLanguage(project_.LanguageCode()));
        manifest.WriteLom(root, root / "lom.xml");
        if (exam_) {
            manifest.WriteExamManifest(root, root / "imsmanifest.xml");
            manifest.WriteExamTypeFile(root, "imstype.xml");
        } else {
            manifest.WriteServerManifest(root, root / "imsmanifest.xml");
        }
        if (!project_.CopyLmsRequest(root, filter))
            return ReportFailure(
                env_.prompt, WriteFailedMessage(root / "pages" / "lmsrequest" / "lmsrequest.html"));
    } catch (const std::exception& e) {
        return ReportFailure(env_.prompt, e.what());
    }
    progress.SetPosition(3);
    if (exam_)
        CopyFixedFolder(exports / "js" / "vlmexam", root / "pages" / "lms");
    else
        CopyFixedFolder(exports / "js" / "scorm", root / "pages" / "scorm");
    return TExportResult::Done();
}

} // namespace vlm
