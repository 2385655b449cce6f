#pragma once
// The per-user settings in a file of the user's configuration folder
// (QSettings in INI form). Values keep their type, and the names of a key
// keep the order in which they were first written, as the store promises.

#include "app/SettingsStore.h"

#include <QString>

#include <memory>

class QSettings;

namespace vlm {

class QtSettingsStore : public SettingsStore {
public:
    // The user's own file ("Orvanta/Vellumar 4.conf" in the configuration folder).
    QtSettingsStore();
    // A file of the caller's choosing (tests).
    explicit QtSettingsStore(const QString& file);
    ~QtSettingsStore() override;

    bool KeyExists(const std::string& key) const override;
    void CreateKey(const std::string& key) override;
    std::optional<SettingValue> Read(const std::string& key,
                                     const std::string& name) const override;
    bool Write(const std::string& key, const std::string& name, const SettingValue& value) override;
    void DeleteValue(const std::string& key, const std::string& name) override;
    std::vector<std::string> ValueNames(const std::string& key) const override;

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace vlm
