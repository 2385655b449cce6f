#pragma once
// What the program options dialog and the grid options dialog show and
// store. The windows fill their controls from these values and hand them
// back on OK; Cancel stores nothing.

#include "app/Options.h"
#include "app/VLMXConfig.h"

#include <cstdint>
#include <filesystem>

namespace vlm {

struct TProgramOptionsValues {
    bool autoUpdate = false;
    bool autoSave = true; // shown ticked and disabled: saving is always automatic
    int cacheSize = 40;   // megabytes, 1..500
};

TProgramOptionsValues ReadProgramOptionsValues(const TVLMXConfig& config, const TOptions& options);
// The reset button: the configuration's defaults (kept even when the dialog
// is cancelled), cache size 40, the auto-update box from the configuration.
void ResetProgramOptionsValues(TProgramOptionsValues& values, TVLMXConfig& config,
                               const std::filesystem::path& programDir);
// OK: the cache size (clamped to 1..500) and the auto-update flag.
void StoreProgramOptionsValues(const TProgramOptionsValues& values, TVLMXConfig& config,
                               TOptions& options);

inline constexpr int kGridSpaceMin = 2;
inline constexpr int kGridSpaceMax = 999;

struct TGridOptionsValues {
    int spaceH = 25;
    int spaceV = 25;
    std::int32_t color = 32768;
};

TGridOptionsValues ReadGridOptionsValues(const TOptions& options);
// OK: the three values, the spacings clamped to 2..999.
void StoreGridOptionsValues(const TGridOptionsValues& values, TOptions& options);

} // namespace vlm
