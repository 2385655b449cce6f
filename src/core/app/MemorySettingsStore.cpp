#include "app/MemorySettingsStore.h"

#include "common/AsciiText.h"
#include <algorithm>

namespace vlm {

std::string MemorySettingsStore::NormalizeKey(const std::string& key) {
    std::string out;
    for (char c : key) {
        if (c == '/')
            c = '\\';
        c = AsciiLower(c);
        if (c == '\\' && (out.empty() || out.back() == '\\'))
            continue;
        out += c;
    }
    while (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

const MemorySettingsStore::Key* MemorySettingsStore::Find(const std::string& key) const {
    auto it = keys_.find(NormalizeKey(key));
    return it == keys_.end() ? nullptr : &it->second;
}

bool MemorySettingsStore::KeyExists(const std::string& key) const {
    return Find(key) != nullptr;
}

void MemorySettingsStore::CreateKey(const std::string& key) {
    keys_[NormalizeKey(key)];
}

std::optional<SettingValue> MemorySettingsStore::Read(const std::string& key,
                                                      const std::string& name) const {
    const Key* k = Find(key);
    if (!k)
        return std::nullopt;
    for (const auto& [n, v] : k->values)
        if (SameTextAscii(n, name))
            return v;
    return std::nullopt;
}

bool MemorySettingsStore::Write(const std::string& key, const std::string& name,
                                const SettingValue& value) {
    Key& k = keys_[NormalizeKey(key)];
    for (auto& [n, v] : k.values)
        if (SameTextAscii(n, name)) {
            v = value;
            return true;
        }
    k.values.emplace_back(name, value);
    return true;
}

void MemorySettingsStore::DeleteValue(const std::string& key, const std::string& name) {
    auto it = keys_.find(NormalizeKey(key));
    if (it == keys_.end())
        return;
    auto& vals = it->second.values;
    vals.erase(std::remove_if(vals.begin(), vals.end(),
                              [&](const auto& p) { return SameTextAscii(p.first, name); }),
               vals.end());
}

std::vector<std::string> MemorySettingsStore::ValueNames(const std::string& key) const {
    std::vector<std::string> names;
    if (const Key* k = Find(key))
        for (const auto& p : k->values)
            names.push_back(p.first);
    return names;
}

} // namespace vlm
