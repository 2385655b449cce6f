#pragma once
// The AICC target: the offline frame set with the exported pages and the
// AICC run-time script, and the course structure files for the LMS.

#include "export/AiccWizard.h"
#include "export/ExportEnvironment.h"
#include "export/ExportResult.h"
#include "export/VLMProject.h"

namespace vlm {

class TVLMAicc {
public:
    explicit TVLMAicc(const TExportEnvironment& env);

    // Runs the export the wizard's options describe (the LEO profile always
    // exports every page as its own unit).
    TExportResult Execute(const TAiccOptions& options);

    bool MultiSCO() const { return multiSCO_; }
    TVLMProject& Project() { return project_; }
    const TExportPagesReport& PagesReport() const { return pages_; }

private:
    TExportEnvironment env_;
    TVLMProject project_;
    bool multiSCO_ = true;
    TExportPagesReport pages_;
};

} // namespace vlm
