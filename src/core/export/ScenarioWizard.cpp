#include "export/ScenarioWizard.h"
#include "common/AsciiText.h"

#include "export/ItemUrl.h"
#include "export/WizardSettings.h"

namespace vlm {

TScenarioWizard TScenarioWizard::Open(SettingsStore& store, std::vector<TReportObj> profiles,
                                      const std::string& presetDestination,
                                      const std::string& languageCode) {
    TWizardSettings settings(store, kExplorerSettingsKey);
    TScenarioWizard w;
    w.profiles = std::move(profiles);
    w.history = settings.ReadHistory("ScenarioExportPaths");
    w.profileIndex =
        SelectReportProfile(w.profiles, settings.Read("ScenarioLastProfile"), languageCode);
    if (w.profileIndex >= 0)
        w.options.profile = w.profiles[w.profileIndex];
    w.options.destination = presetDestination;
    return w;
}

bool TScenarioWizard::Accept(SettingsStore& store) {
    // Finishing without a profile would leave the report without templates.
    if (profileIndex < 0 || profileIndex >= static_cast<int>(profiles.size()))
        return false;
    options.profile = profiles[profileIndex];
    TWizardSettings settings(store, kExplorerSettingsKey);
    AddToHistory(history, TrimText(options.destination), kHistoryLimit);
    settings.WriteHistory("ScenarioExportPaths", history);
    settings.Write("ScenarioLastProfile", options.profile.Name);
    return true;
}

std::string ScenarioPresetDestination(const std::string& projectFolder, const std::string& title) {
    return projectFolder + title + ".rtf";
}

} // namespace vlm
