#pragma once
// The little JSON the command line prints: strings come from cp1250 text.

#include <string>

namespace vlm::cli {

// A quoted JSON string of cp1250 text (UTF-8, control characters escaped).
std::string JsonString(const std::string& cp1250);

} // namespace vlm::cli
