#include "export/PackageWizards.h"
#include "common/AsciiText.h"

#include "app/IniLang.h"
#include "app/UserPrompt.h"
#include "common/Encoding.h"
#include "export/ExportPipeline.h"
#include "export/ItemUrl.h"
#include "export/ManifestText.h"
#include "export/WizardSettings.h"

#include <system_error>

namespace vlm {

std::string WithZipExtension(const std::string& fileName) {
    if (fileName.size() >= 4 && fileName.compare(fileName.size() - 4, 4, ".zip") == 0)
        return fileName;
    return fileName + ".zip";
}

std::string DefaultPackageName(const std::string& documentsFolder) {
    std::string folder = documentsFolder;
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += '/';
    return folder + LangText("SDefaultCurseName");
}

std::string DefaultScormSchemaLocation() {
    return std::string(kNsImsCp) + " ims_cp_rootv1p1.xsd ila_mdextensions ila_mdextensions.xsd";
}

TScormWizard TScormWizard::Open(SettingsStore& store, const std::string& documentsFolder) {
    TWizardSettings settings(store, kScormSettingsKey);
    TScormWizard w;
    w.fileHistory = settings.ReadHistory("ExportFileName");
    w.urlHistory = settings.ReadHistory("URLPath");
    w.options.destination =
        w.fileHistory.empty() ? DefaultPackageName(documentsFolder) : w.fileHistory.front();
    if (!w.urlHistory.empty())
        w.options.urlPath = w.urlHistory.front();
    w.options.schemaLocation = DefaultScormSchemaLocation();
    return w;
}

TScormOptions TScormWizard::Accept(SettingsStore& store) {
    options.destination = WithZipExtension(options.destination);
    TWizardSettings settings(store, kScormSettingsKey);
    AddToHistory(fileHistory, TrimText(options.destination), kHistoryLimit);
    AddToHistory(urlHistory, TrimText(options.urlPath), kHistoryLimit);
    settings.WriteHistory("ExportFileName", fileHistory);
    settings.WriteHistory("URLPath", urlHistory);
    return options;
}

TServerWizard TServerWizard::Open(SettingsStore& store, const std::string& documentsFolder) {
    TWizardSettings settings(store, kServerSettingsKey);
    TServerWizard w;
    w.history = settings.ReadHistory("ExportFileName");
    w.options.destination =
        w.history.empty() ? DefaultPackageName(documentsFolder) : w.history.front();
    return w;
}

bool TServerWizard::Finish(SettingsStore& store, UserPrompt& prompt) {
    options.destination = WithZipExtension(options.destination);
    std::error_code ec;
    if (std::filesystem::exists(PathFromCp1250(options.destination), ec) &&
        prompt.MessageBox({}, FormatExportMessage("SFileExists", options.destination),
                          DialogType::Confirmation, kButtonsYesNo) != mrYes)
        return false;
    TWizardSettings settings(store, kServerSettingsKey);
    AddToHistory(history, TrimText(options.destination), kHistoryLimit);
    settings.WriteHistory("ExportFileName", history);
    return true;
}

} // namespace vlm
