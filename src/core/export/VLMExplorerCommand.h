#pragma once
// The offline browser target: the course as a folder opened directly in a
// browser, with the frame set, the navigation tree and the design's look.

#include "export/ExplorerWizard.h"
#include "export/ExportEnvironment.h"
#include "export/ExportResult.h"
#include "export/VLMProject.h"

namespace vlm {

class TVLMExplorerCommand {
public:
    explicit TVLMExplorerCommand(const TExportEnvironment& env);

    // Runs the export the wizard's options describe. The folder holding the
    // project file is refused; an existing folder is confirmed first.
    TExportResult Execute(const TExplorerOptions& options);

    TVLMProject& Project() { return project_; }
    const TExportPagesReport& PagesReport() const { return pages_; }

private:
    TExportEnvironment env_;
    TVLMProject project_;
    TExportPagesReport pages_;
};

// True when the destination is the folder of the project file: the same
// text once both end with a separator, or the same folder on disk.
bool IsProjectFolder(const std::filesystem::path& destination,
                     const std::filesystem::path& projectFolder);

} // namespace vlm
