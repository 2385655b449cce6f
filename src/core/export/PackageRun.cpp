#include "export/PackageRun.h"

#include "common/FilesTools.h"
#include "export/ExportPipeline.h"
#include "export/ZipPackage.h"

namespace vlm {

TWorkFolder::~TWorkFolder() {
    if (!path_.empty())
        DeleteFolderTree(path_);
}

TExportResult PackPackage(const std::filesystem::path& folder,
                          const std::filesystem::path& packageFile, UserPrompt& prompt,
                          bool replace, const std::filesystem::path& media) {
    std::string reason;
    if (PackFolder(folder, packageFile, &reason, replace, {{"pages/resources", media}}))
        return TExportResult::Done();
    return ReportFailure(prompt, WriteFailedMessage(packageFile) + " (" + reason + ")");
}

} // namespace vlm
