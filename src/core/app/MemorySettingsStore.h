#pragma once
// A settings store held in memory: used by tests and by headless runs that
// must not touch the user's own settings.

#include "app/SettingsStore.h"

#include <map>

namespace vlm {

class MemorySettingsStore : public SettingsStore {
public:
    bool KeyExists(const std::string& key) const override;
    void CreateKey(const std::string& key) override;
    std::optional<SettingValue> Read(const std::string& key,
                                     const std::string& name) const override;
    bool Write(const std::string& key, const std::string& name, const SettingValue& value) override;
    void DeleteValue(const std::string& key, const std::string& name) override;
    std::vector<std::string> ValueNames(const std::string& key) const override;

    // Keys are compared without case, as the registry does; "/" and "\" alike.
    static std::string NormalizeKey(const std::string& key);

private:
    struct Key {
        std::vector<std::pair<std::string, SettingValue>> values; // in write order
    };
    const Key* Find(const std::string& key) const;
    std::map<std::string, Key> keys_;
};

} // namespace vlm
