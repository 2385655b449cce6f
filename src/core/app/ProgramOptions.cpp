#include "app/ProgramOptions.h"

#include <cstdio>

namespace vlm {

std::string ProgramOptionsKey() {
    char key[128];
    std::snprintf(key, sizeof key, "Software\\%s\\%s\\%s\\main", "Orvanta", "Vellumar 4", "4.0");
    return key;
}

void RegisterProgramOptions(TOptions& options, const TOptionChange& onChange) {
    options.AddOption(kOptCacheSize, kDefaultCacheSize, onChange);
    options.AddOption(kOptGridSpaceH, std::int32_t{25}, onChange);
    options.AddOption(kOptGridSpaceV, std::int32_t{25}, onChange);
    options.AddOption(kOptGridColor, kDefaultGridColor, onChange);
    options.AddOption(kOptElementFrame, true, onChange);
    options.AddOption(kOptShowFeedbacks, true, onChange);
    options.AddOption(kOptShowPopups, true, onChange);
    options.LoadOptions();
}

bool CacheSizeKeyAccepted(char key, char decimalSeparator) {
    if (key >= '0' && key <= '9')
        return true;
    if (key == decimalSeparator)
        return true;
    const auto c = static_cast<unsigned char>(key);
    return (c < 32 && key != '\r') || c == 127;
}

TCacheSizeCheck CheckCacheSizeText(const std::string& text, int currentPosition) {
    const TCacheSizeCheck restore{std::to_string(currentPosition), currentPosition, false};
    if (text.empty())
        return restore;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return {restore.text, currentPosition, true};
        // The field holds three characters, but pasted text can be longer.
        if (value <= kCacheSizeMax)
            value = value * 10 + (c - '0');
    }
    if (value < kCacheSizeMin || value > kCacheSizeMax)
        return {restore.text, currentPosition, true};
    return {text, static_cast<int>(value), false};
}

} // namespace vlm
