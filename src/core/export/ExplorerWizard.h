#pragma once
// The offline browser wizard without its window: the options of one run and
// the settings the wizard remembers between runs.

#include <string>
#include <vector>

namespace vlm {

class SettingsStore;

// What the offline browser export needs to run.
struct TExplorerOptions {
    std::string destination;    // the output folder (cp1250 path text)
    std::string designTemplate; // a name of the design list, empty for none
};

class TExplorerWizard {
public:
    std::vector<std::string> history; // "ExportPaths"
    std::vector<std::string> designs;
    int designIndex = -1;
    TExplorerOptions options;

    // Opening: the history loaded while the destination stays empty (then
    // the documents folder); the design "LastStyle", else the configured
    // default, else the first entry.
    static TExplorerWizard Open(SettingsStore& store, std::vector<std::string> designs,
                                const std::string& defaultDesign,
                                const std::string& documentsFolder);
    // Selects a design by name; false (and no selection) when it is not listed.
    bool SelectDesign(const std::string& name);
    // Closing with OK: the trimmed destination enters the history, which is
    // saved with "LastStyle"; returns the options of the run.
    TExplorerOptions Accept(SettingsStore& store);
};

} // namespace vlm
