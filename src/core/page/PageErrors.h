#pragma once
// The page model's programming errors and their fixed short texts.

#include <stdexcept>

namespace vlm {

inline constexpr const char* kNoFileFound = "No File Found";
inline constexpr const char* kNoNodeFound = "No Node Found";
inline constexpr const char* kOpenError = "OpenError!";
inline constexpr const char* kSaveError = "SaveError!";

class EPageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vlm
