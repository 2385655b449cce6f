#include "export/VLMScorm11Command.h"

#include "app/UserPrompt.h"
#include "app/VLMVars.h"
#include "common/Encoding.h"
#include "common/FilesTools.h"
#include "export/CourseGuard.h"
#include "export/ExportPipeline.h"
#include "export/ImsManifest.h"
#include "export/PackageRun.h"

#include <system_error>

namespace vlm {

namespace fs = std::filesystem;

TExportResult ConfirmExistingPackage(const fs::path& file, UserPrompt& prompt, bool& replace) {
    replace = false;
    std::error_code ec;
    if (!fs::exists(file, ec))
        return TExportResult::Done();
    const int answer = prompt.MessageBox({}, FormatExportMessage("SFileExists", PathToCp1250(file)),
                                         DialogType::Confirmation, kButtonsYesNoCancel);
    if (answer == mrNo)
        return TExportResult::Done();
    // Replaced, but the old package stays until the new one is whole (see PackFolder).
    replace = answer == mrYes;
    return replace ? TExportResult::Done() : TExportResult::Cancelled();
}

TExportResult PreparePackageFolders(const fs::path& file, Random& random, UserPrompt& prompt,
                                    fs::path& workDir) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (!IsRealFolder(file.parent_path()))
        return ReportFailure(prompt, WriteFailedMessage(file));
    const auto folder = ExportWorkDir(random);
    if (!folder)
        return ReportFailure(prompt, WriteFailedMessage(fs::temp_directory_path(ec) / "vlm"));
    workDir = *folder;
    return TExportResult::Done();
}

TVLMScorm11Command::TVLMScorm11Command(const TExportEnvironment& env, Random& random)
    : env_(env), random_(random),
      project_(env.project, env.course, env.program, env.config, env.components) {
    project_.LeaveMediaInCourse();
}

TExportResult TVLMScorm11Command::Execute(const TScormOptions& options) {
    TProgressCloser closer(env_.progress);
    return RunWritingFiles(env_.prompt, [&]() -> TExportResult {
        const fs::path file = PathFromCp1250(options.destination);
        if (TExportResult r = GuardExport(env_.project, env_.course, file, env_.prompt); !r.Ok())
            return r;
        bool replace = false;
        if (TExportResult r = ConfirmExistingPackage(file, env_.prompt, replace); !r.Ok())
            return r;
        env_.progress.SetMax(6);
        fs::path workDir;
        if (TExportResult r = PreparePackageFolders(file, random_, env_.prompt, workDir); !r.Ok())
            return r;
        TWorkFolder work(workDir);
        if (TExportResult r = Assemble(work.Path(), options); !r.Ok())
            return r;
        return PackPackage(work.Path(), file, env_.prompt, replace, env_.course.CourseResourcesDir);
    });
}

TExportResult TVLMScorm11Command::Assemble(const fs::path& root, const TScormOptions& options) {
    Progress& progress = env_.progress;
    const fs::path exports = env_.program.ProgramDir / "exports";
    project_.CopyLayoutFolder(exports / "Oracle" / "default", root);
    progress.SetPosition(1);
    project_.CopyLayoutFolder(exports / "_common_exports_files" / "default", root);
    try {
        if (!project_.WriteLexicon(root, progress))
            return ReportFailure(env_.prompt, WriteFailedMessage(root / "lexicon"));
        progress.SetPosition(2);
        const LmsFilter filter = MakeLmsFilter(kScormLmsScript);
        pages_ = project_.ExportPages(root, 4, filter);
        TImsManifest manifest(env_.project, env_.course.CourseDir, env_.prompt,
                              MetadataLanguage(project_.LanguageCode()));
        manifest.WriteScormLom(root, root / "lom.xml");
        manifest.WriteScormManifest(root, root / "imsmanifest.xml", options.schemaLocation,
                                    options.urlPath);
        if (!project_.CopyLmsRequest(root, filter))
            return ReportFailure(
                env_.prompt, WriteFailedMessage(root / "pages" / "lmsrequest" / "lmsrequest.html"));
    } catch (const std::exception& e) {
        return ReportFailure(env_.prompt, e.what());
    }
    progress.SetPosition(3);
    CopyFixedFolder(exports / "Oracle" / "xsd", root, false);
    progress.SetPosition(5);
    if (options.cmiAdapter)
        project_.CopyLayoutFolder(exports / "Oracle" / "CMIAdapter", root / "CMIAdapter");
    CopyFixedFolder(exports / "js" / "scorm", root / "pages" / "scorm");
    return TExportResult::Done();
}

} // namespace vlm
