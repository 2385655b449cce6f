#include "export/WizardSettings.h"

#include "app/SettingsStore.h"
#include "common/IniFile.h"

namespace vlm {

std::string WizardRegKey(const std::string& targetKey) {
    return "Software\\Orvanta\\Vellumar 4\\4.0\\exports\\" + targetKey;
}

std::string ToCommaText(const std::vector<std::string>& list) {
    std::string out;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i)
            out += ',';
        const std::string& entry = list[i];
        bool quote = entry.empty();
        for (unsigned char c : entry)
            if (c <= ' ' || c == ',' || c == '"')
                quote = true;
        if (!quote) {
            out += entry;
            continue;
        }
        out += '"';
        for (char c : entry) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

std::vector<std::string> FromCommaText(const std::string& text) {
    std::vector<std::string> list;
    std::size_t i = 0;
    const auto blank = [&](std::size_t k) {
        return k < text.size() && static_cast<unsigned char>(text[k]) <= ' ';
    };
    while (blank(i))
        ++i;
    while (i < text.size()) {
        std::string entry;
        if (text[i] == '"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        entry += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                entry += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != ',' && !blank(i))
                entry += text[i++];
        }
        list.push_back(std::move(entry));
        while (blank(i))
            ++i;
        if (i < text.size() && text[i] == ',') {
            ++i;
            while (blank(i))
                ++i;
            if (i == text.size())
                list.emplace_back(); // a trailing comma stands for an empty entry
        }
    }
    return list;
}

int AddToHistory(std::vector<std::string>& list, const std::string& entry, int limit) {
    if (entry.empty())
        return -1;
    while (!list.empty() && static_cast<int>(list.size()) >= limit)
        list.pop_back();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (SameTextAscii(list[i], entry))
            return static_cast<int>(i);
    list.insert(list.begin(), entry);
    return 0;
}

TWizardSettings::TWizardSettings(SettingsStore& store, std::string targetKey)
    : store_(store), key_(WizardRegKey(targetKey)) {}

std::string TWizardSettings::Read(const std::string& name, const std::string& def) const {
    const auto value = store_.Read(key_, name);
    if (value)
        if (const auto* text = std::get_if<std::string>(&*value))
            return *text;
    return def;
}

bool TWizardSettings::Write(const std::string& name, const std::string& value) {
    return store_.Write(key_, name, value);
}

std::vector<std::string> TWizardSettings::ReadHistory(const std::string& name) const {
    return FromCommaText(Read(name));
}

bool TWizardSettings::WriteHistory(const std::string& name, const std::vector<std::string>& list) {
    return Write(name, ToCommaText(list));
}

} // namespace vlm
