#pragma once
// The server and exam packages for the course platform: the course packed
// into a zip file with its manifest and metadata; the exam package with the
// exam page template, the exam script, pages stripped of their answers and
// the type marker.

#include "export/ExportEnvironment.h"
#include "export/ExportResult.h"
#include "export/PackageWizards.h"
#include "export/VLMProject.h"

namespace vlm {

class Random;

class TVLMServerCommand {
public:
    TVLMServerCommand(const TExportEnvironment& env, Random& random, bool exam = false);

    // The wizard has confirmed an existing package already: it is replaced.
    TExportResult Execute(const TServerOptions& options);

    const TExportPagesReport& PagesReport() const { return pages_; }

private:
    TExportResult Assemble(const std::filesystem::path& root);

    TExportEnvironment env_;
    Random& random_;
    bool exam_;
    TVLMProject project_;
    TExportPagesReport pages_;
};

class TVLMServerExamCommand : public TVLMServerCommand {
public:
    TVLMServerExamCommand(const TExportEnvironment& env, Random& random)
        : TVLMServerCommand(env, random, true) {}
};

} // namespace vlm
