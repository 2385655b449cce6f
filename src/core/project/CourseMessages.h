#pragma once
// Language texts of the course commands, formatted.

#include <string>

namespace vlm {

// LangText(key) with every "%s" replaced by the argument and "%%" by "%".
std::string LangTextWith(const std::string& key, const std::string& arg);

} // namespace vlm
