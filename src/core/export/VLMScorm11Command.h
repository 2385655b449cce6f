#pragma once
// The SCORM 1.2 target: the course packed into one zip file with its IMS
// manifest, metadata, schema files and the SCORM run-time script.

#include "export/ExportEnvironment.h"
#include "export/ExportResult.h"
#include "export/PackageWizards.h"
#include "export/VLMProject.h"

namespace vlm {

class Random;

class TVLMScorm11Command {
public:
    TVLMScorm11Command(const TExportEnvironment& env, Random& random);

    // An existing package is confirmed: Yes replaces it, No adds to it,
    // Cancel ends silently.
    TExportResult Execute(const TScormOptions& options);

    const TExportPagesReport& PagesReport() const { return pages_; }

private:
    TExportResult Assemble(const std::filesystem::path& root, const TScormOptions& options);

    TExportEnvironment env_;
    Random& random_;
    TVLMProject project_;
    TExportPagesReport pages_;
};

// Confirms replacing an existing package (Yes, No, Cancel): Yes sets
// `replace` (the new package takes its place once whole), No adds to it.
// Cancelled or Done.
TExportResult ConfirmExistingPackage(const std::filesystem::path& file, UserPrompt& prompt,
                                     bool& replace);

// Makes the package's folder and a fresh working folder; Failed when either
// cannot be made.
TExportResult PreparePackageFolders(const std::filesystem::path& file, Random& random,
                                    UserPrompt& prompt, std::filesystem::path& workDir);

} // namespace vlm
