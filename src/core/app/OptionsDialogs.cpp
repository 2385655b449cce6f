#include "app/OptionsDialogs.h"

#include "app/ProgramOptions.h"

#include <algorithm>

namespace vlm {

TProgramOptionsValues ReadProgramOptionsValues(const TVLMXConfig& config, const TOptions& options) {
    TProgramOptionsValues v;
    v.autoUpdate = config.AutoUpdate;
    v.cacheSize =
        std::clamp<int>(OptionInteger(options.GetOption(kOptCacheSize), kDefaultCacheSize),
                        kCacheSizeMin, kCacheSizeMax);
    return v;
}

void ResetProgramOptionsValues(TProgramOptionsValues& values, TVLMXConfig& config,
                               const std::filesystem::path& programDir) {
    ResetConfiguration(config, programDir);
    values.cacheSize = kDefaultCacheSize;
    values.autoUpdate = config.AutoUpdate;
}

void StoreProgramOptionsValues(const TProgramOptionsValues& values, TVLMXConfig& config,
                               TOptions& options) {
    options.SetOption(kOptCacheSize,
                      std::int32_t{std::clamp(values.cacheSize, kCacheSizeMin, kCacheSizeMax)});
    config.AutoUpdate = values.autoUpdate;
}

TGridOptionsValues ReadGridOptionsValues(const TOptions& options) {
    TGridOptionsValues v;
    v.spaceH = OptionInteger(options.GetOption(kOptGridSpaceH), 25);
    v.spaceV = OptionInteger(options.GetOption(kOptGridSpaceV), 25);
    v.color = OptionInteger(options.GetOption(kOptGridColor), kDefaultGridColor);
    return v;
}

void StoreGridOptionsValues(const TGridOptionsValues& values, TOptions& options) {
    options.SetOption(kOptGridSpaceH,
                      std::int32_t{std::clamp(values.spaceH, kGridSpaceMin, kGridSpaceMax)});
    options.SetOption(kOptGridSpaceV,
                      std::int32_t{std::clamp(values.spaceV, kGridSpaceMin, kGridSpaceMax)});
    options.SetOption(kOptGridColor, values.color);
}

} // namespace vlm
