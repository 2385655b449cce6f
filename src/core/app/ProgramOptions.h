#pragma once
// The program's own options and the rules of the program options dialog
// that a test can check without a window.

#include "app/Options.h"

#include <string>

namespace vlm {

inline constexpr const char* kOptCacheSize = "CacheSize";
inline constexpr const char* kOptGridSpaceH = "GridSpaceH";
inline constexpr const char* kOptGridSpaceV = "GridSpaceV";
inline constexpr const char* kOptGridColor = "GridColor";
inline constexpr const char* kOptElementFrame = "ElementFrame";
inline constexpr const char* kOptShowFeedbacks = "ShowFeedbacks";
inline constexpr const char* kOptShowPopups = "ShowPopups";

inline constexpr std::int32_t kDefaultCacheSize = 40;    // megabytes
inline constexpr std::int32_t kDefaultGridColor = 32768; // green of intensity 128

// "Software\Orvanta\Vellumar 4\4.0\main", made from its format.
std::string ProgramOptionsKey();

// Adds the seven options with their defaults, each reporting its changes to
// `onChange`, then loads them from the store.
void RegisterProgramOptions(TOptions& options, const TOptionChange& onChange);

// The cache-size field takes digits, the decimal separator and control keys
// other than Enter; false means: beep and drop the key.
bool CacheSizeKeyAccepted(char key, char decimalSeparator);

struct TCacheSizeCheck {
    std::string text; // what the field shows afterwards
    int position;     // the up-down's position afterwards
    bool beep;
};
inline constexpr int kCacheSizeMin = 1;
inline constexpr int kCacheSizeMax = 500;

// After a change of the field: a whole number in 1..500 is taken; anything
// else is replaced by the up-down's current position, with a beep when it
// is a number out of range or holds other characters (not for an empty field).
TCacheSizeCheck CheckCacheSizeText(const std::string& text, int currentPosition);

} // namespace vlm
