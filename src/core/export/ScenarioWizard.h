#pragma once
// The scenario report's wizard without its window: the profile list, the
// destination and the settings remembered under "vlmexplorer".

#include "export/ReportProfiles.h"

#include <string>
#include <vector>

namespace vlm {

class SettingsStore;

struct TScenarioOptions {
    std::string destination; // the RTF file (cp1250 path text)
    TReportObj profile;
};

class TScenarioWizard {
public:
    std::vector<std::string> history; // "ScenarioExportPaths"
    std::vector<TReportObj> profiles;
    int profileIndex = -1;
    TScenarioOptions options;

    // Opening with the destination the command presets (the project's
    // folder, the course title and ".rtf"): the profile "ScenarioLastProfile"
    // names, else the last default one in the course's language
    // (`languageCode`), else the last default one, else the first.
    static TScenarioWizard Open(SettingsStore& store, std::vector<TReportObj> profiles,
                                const std::string& presetDestination,
                                const std::string& languageCode = {});
    // Closing with OK: the trimmed destination enters the history and the
    // profile's name becomes "ScenarioLastProfile". False without a profile.
    bool Accept(SettingsStore& store);
};

// "<project folder><course title>.rtf".
std::string ScenarioPresetDestination(const std::string& projectFolder, const std::string& title);

} // namespace vlm
