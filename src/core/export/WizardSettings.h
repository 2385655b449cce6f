#pragma once
// The export wizards' remembered settings: string values under
// Software\Orvanta\Vellumar 4\4.0\exports\<target key>, and the destination
// histories kept there as comma text.

#include <string>
#include <vector>

namespace vlm {

class SettingsStore;

// Target keys.
inline constexpr const char* kExplorerSettingsKey = "vlmexplorer";
inline constexpr const char* kServerSettingsKey = "vlmserver";
inline constexpr const char* kAiccSettingsKey = "aicc";
inline constexpr const char* kScormSettingsKey = "VLMExportScorm";
inline constexpr const char* kMediaSettingsKey = "resources";

// The history lengths: 8 entries, 10 for the media export.
inline constexpr int kHistoryLimit = 8;
inline constexpr int kMediaHistoryLimit = 10;

// "Software\Orvanta\Vellumar 4\4.0\exports\" + the target key.
std::string WizardRegKey(const std::string& targetKey);

// Comma text: entries holding a space, comma or double quote are quoted
// (quotes doubled); reading splits at commas and unquoted blanks.
std::string ToCommaText(const std::vector<std::string>& list);
std::vector<std::string> FromCommaText(const std::string& text);

// Enters a destination: while the list holds `limit` entries or more its
// last one is dropped, then the entry goes to the top unless the list holds
// it already (compared without case), in which case the order stays. An
// empty entry changes nothing. Returns the entry's index (-1 for none).
int AddToHistory(std::vector<std::string>& list, const std::string& entry, int limit);

// One wizard's values (strings) under its target key.
class TWizardSettings {
public:
    TWizardSettings(SettingsStore& store, std::string targetKey);
    // The value, or the default when it is missing or not a string.
    std::string Read(const std::string& name, const std::string& def = {}) const;
    bool Write(const std::string& name, const std::string& value);
    std::vector<std::string> ReadHistory(const std::string& name) const;
    bool WriteHistory(const std::string& name, const std::vector<std::string>& list);
    SettingsStore& Store() const { return store_; }
    const std::string& Key() const { return key_; }

private:
    SettingsStore& store_;
    std::string key_;
};

} // namespace vlm
