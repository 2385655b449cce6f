#pragma once
// The port to the per-user settings store (the registry on Windows). Keys are
// paths with "\" or "/" separators such as "Software\Orvanta\Vellumar 4\4.0\Main";
// implementations treat both separators alike and ignore a leading one.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vlm {

// Registry value types: strings, 32-bit integers (booleans as 0/1), binary.
using SettingValue = std::variant<std::string, std::int32_t, std::vector<std::uint8_t>>;

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual bool KeyExists(const std::string& key) const = 0;
    virtual void CreateKey(const std::string& key) = 0;
    // Nothing when the key or the value does not exist.
    virtual std::optional<SettingValue> Read(const std::string& key,
                                             const std::string& name) const = 0;
    // Creates the key when missing. Returns false when the value cannot be written.
    virtual bool Write(const std::string& key, const std::string& name,
                       const SettingValue& value) = 0;
    virtual void DeleteValue(const std::string& key, const std::string& name) = 0;
    // Value names under a key, in the order they were first written.
    virtual std::vector<std::string> ValueNames(const std::string& key) const = 0;
};

// The registry key of the main window and of the options.
inline constexpr const char* kMainRegKey = "Software\\Orvanta\\Vellumar 4\\4.0\\Main";
inline constexpr const char* kOptionsRegKey = "Software\\Orvanta\\Vellumar 4\\4.0\\main";

} // namespace vlm
