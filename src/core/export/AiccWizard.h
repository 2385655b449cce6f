#pragma once
// The AICC wizard without its window: the options of one run, the profile
// rule of the multi-SCO box and the remembered settings.

#include <string>
#include <vector>

namespace vlm {

class SettingsStore;

enum TAiccProfile : int { apDefault = 0, apLeo = 1 };

struct TAiccOptions {
    std::string destination;    // the output folder (cp1250 path text)
    int profile = apDefault;    // a TAiccProfile
    bool multiSCO = true;       // every page its own assignable unit
    std::string designTemplate; // empty for none
    std::string url;            // the base address of the .au file
};

class TAiccWizard {
public:
    std::vector<std::string> history; // "ExportPaths"
    std::vector<std::string> designs;
    int designIndex = -1;
    std::vector<std::string> profiles; // the texts of the two profiles
    bool multiSCOEnabled = true;
    TAiccOptions options;

    // `profileTexts` are the language texts of the default and the LEO profile.
    static TAiccWizard Open(SettingsStore& store, std::vector<std::string> designs,
                            const std::string& defaultDesign, const std::string& documentsFolder,
                            std::vector<std::string> profileTexts);
    bool SelectDesign(const std::string& name);
    // The LEO profile checks the multi-SCO box and locks it.
    void SetProfile(int profile);
    void SetMultiSCO(bool value);
    // Closing with OK: history, "LastStyle", "LastProfile", "LastMultiSCO",
    // "LastURL" and "LastExportPath" are saved; returns the options of the run.
    TAiccOptions Accept(SettingsStore& store);
};

} // namespace vlm
