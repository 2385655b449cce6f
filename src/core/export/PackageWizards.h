#pragma once
// The SCORM and the server/exam wizards without their windows: the options of
// one run and the settings they remember between runs.

#include <string>
#include <vector>

namespace vlm {

class SettingsStore;
class UserPrompt;

// ".zip" appended unless the name ends in exactly ".zip" (case counts).
std::string WithZipExtension(const std::string& fileName);

// The destination of an empty box: the documents folder, a separator and
// the language text "SDefaultCurseName".
std::string DefaultPackageName(const std::string& documentsFolder);

struct TScormOptions {
    std::string destination;    // the package file (cp1250 path text)
    std::string schemaLocation; // written into the manifest
    std::string urlPath;        // kept in its history only
    bool cmiAdapter = false;
};

// The schema location the memo starts with.
std::string DefaultScormSchemaLocation();

class TScormWizard {
public:
    std::vector<std::string> fileHistory; // "ExportFileName"
    std::vector<std::string> urlHistory;  // "URLPath"
    TScormOptions options;

    static TScormWizard Open(SettingsStore& store, const std::string& documentsFolder);
    // Finish and close with OK: ".zip" made sure, both histories entered
    // and saved (at most 8 entries each).
    TScormOptions Accept(SettingsStore& store);
};

struct TServerOptions {
    std::string destination;
};

class TServerWizard {
public:
    std::vector<std::string> history; // "ExportFileName"
    TServerOptions options;

    static TServerWizard Open(SettingsStore& store, const std::string& documentsFolder);
    // Finish: ".zip" made sure; an existing file is confirmed (Yes, No) and
    // No keeps the wizard open (false, nothing saved). On OK the destination
    // enters the history.
    bool Finish(SettingsStore& store, UserPrompt& prompt);
};

} // namespace vlm
