#include "export/AiccWizard.h"
#include "common/AsciiText.h"

#include "export/ItemUrl.h"
#include "export/WizardSettings.h"

#include <algorithm>

namespace vlm {

TAiccWizard TAiccWizard::Open(SettingsStore& store, std::vector<std::string> designs,
                              const std::string& defaultDesign, const std::string& documentsFolder,
                              std::vector<std::string> profileTexts) {
    TWizardSettings settings(store, kAiccSettingsKey);
    TAiccWizard w;
    w.designs = std::move(designs);
    w.profiles = std::move(profileTexts);
    w.history = settings.ReadHistory("ExportPaths");
    if (!w.history.empty())
        w.options.destination = settings.Read("LastExportPath");
    if (w.options.destination.empty())
        w.options.destination = documentsFolder;
    const std::string lastStyle = settings.Read("LastStyle");
    // A remembered design that is gone leaves no selection here.
    if (!lastStyle.empty())
        w.SelectDesign(lastStyle);
    else if (!w.SelectDesign(defaultDesign) && !w.designs.empty())
        w.SelectDesign(w.designs.front());
    // Checked when the remembered value is "true"; a value never written
    // (the first export) leaves the box unchecked.
    w.options.multiSCO = settings.Read("LastMultiSCO") == "true";
    int profile = apDefault;
    const std::string lastProfile = settings.Read("LastProfile");
    if (!lastProfile.empty()) {
        const auto it = std::find(w.profiles.begin(), w.profiles.end(), lastProfile);
        if (it != w.profiles.end())
            profile = static_cast<int>(it - w.profiles.begin());
    }
    w.SetProfile(profile);
    w.options.url = settings.Read("LastURL");
    return w;
}

bool TAiccWizard::SelectDesign(const std::string& name) {
    const auto it = std::find(designs.begin(), designs.end(), name);
    designIndex = it == designs.end() ? -1 : static_cast<int>(it - designs.begin());
    options.designTemplate = designIndex >= 0 ? *it : std::string();
    return designIndex >= 0;
}

void TAiccWizard::SetProfile(int profile) {
    options.profile = profile == apLeo ? apLeo : apDefault;
    multiSCOEnabled = options.profile != apLeo;
    if (!multiSCOEnabled)
        options.multiSCO = true;
}

void TAiccWizard::SetMultiSCO(bool value) {
    if (multiSCOEnabled)
        options.multiSCO = value;
}

TAiccOptions TAiccWizard::Accept(SettingsStore& store) {
    TWizardSettings settings(store, kAiccSettingsKey);
    AddToHistory(history, TrimText(options.destination), kHistoryLimit);
    settings.WriteHistory("ExportPaths", history);
    settings.Write("LastStyle", options.designTemplate);
    const auto profile = static_cast<std::size_t>(options.profile);
    settings.Write("LastProfile", profile < profiles.size() ? profiles[profile] : std::string());
    settings.Write("LastMultiSCO", options.multiSCO ? "true" : "false");
    settings.Write("LastURL", options.url);
    settings.Write("LastExportPath", options.destination);
    return options;
}

} // namespace vlm
