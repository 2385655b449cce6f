#include "export/ExplorerWizard.h"
#include "common/AsciiText.h"

#include "export/ItemUrl.h"
#include "export/WizardSettings.h"

#include <algorithm>

namespace vlm {

TExplorerWizard TExplorerWizard::Open(SettingsStore& store, std::vector<std::string> designs,
                                      const std::string& defaultDesign,
                                      const std::string& documentsFolder) {
    TWizardSettings settings(store, kExplorerSettingsKey);
    TExplorerWizard w;
    w.designs = std::move(designs);
    w.history = settings.ReadHistory("ExportPaths");
    if (!w.designs.empty()) {
        const std::string last = settings.Read("LastStyle");
        if (!last.empty())
            w.SelectDesign(last);
        if (w.designIndex < 0)
            w.SelectDesign(defaultDesign);
        if (w.designIndex < 0)
            w.designIndex = 0;
    }
    w.options.designTemplate = w.designIndex >= 0 ? w.designs[w.designIndex] : std::string();
    // "LastExportPath" is registered but never written, so it selects nothing.
    if (w.options.destination.empty())
        w.options.destination = documentsFolder;
    return w;
}

bool TExplorerWizard::SelectDesign(const std::string& name) {
    const auto it = std::find(designs.begin(), designs.end(), name);
    designIndex = it == designs.end() ? -1 : static_cast<int>(it - designs.begin());
    options.designTemplate = designIndex >= 0 ? *it : std::string();
    return designIndex >= 0;
}

TExplorerOptions TExplorerWizard::Accept(SettingsStore& store) {
    TWizardSettings settings(store, kExplorerSettingsKey);
    AddToHistory(history, TrimText(options.destination), kHistoryLimit);
    settings.WriteHistory("ExportPaths", history);
    settings.Write("LastStyle", options.designTemplate);
    return options;
}

} // namespace vlm
