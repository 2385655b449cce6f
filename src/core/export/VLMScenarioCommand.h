#pragma once
// The scenario report target: one RTF file with a block per course item,
// screenshots beside it in "images/".

#include "export/CourseTemplate.h"
#include "export/ExportEnvironment.h"
#include "export/ExportResult.h"
#include "export/ScenarioWizard.h"

#include <filesystem>

namespace vlm {

class PageRenderer;
class TjanXMLNode;

class TVLMScenarioCommand {
public:
    // `renderer` may be null (no screenshots); `definitions` are the merged
    // class definitions (may be null).
    TVLMScenarioCommand(const TExportEnvironment& env, PageRenderer* renderer,
                        const TjanXMLNode* definitions, const Clock& clock);

    // An existing file is confirmed (Yes replaces it, No writes over it,
    // Cancel ends silently); a missing folder is created.
    TExportResult Execute(const TScenarioOptions& options);

    // Builds the report from the profile's templates and writes it (8-bit,
    // CR LF). False when the file cannot be written.
    bool WriteScenarioReport(const std::filesystem::path& rtfTemplate,
                             const std::filesystem::path& iniTemplate,
                             const std::filesystem::path& outputFile);

private:
    std::optional<TRgbBitmap> Shoot(const std::filesystem::path& pageFile);

    TExportEnvironment env_;
    PageRenderer* renderer_;
    const TjanXMLNode* definitions_;
    const Clock& clock_;
};

} // namespace vlm
