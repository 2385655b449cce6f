#include "project/CourseMessages.h"

#include "app/IniLang.h"

namespace vlm {

std::string LangTextWith(const std::string& key, const std::string& arg) {
    const std::string pattern = LangText(key);
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == 's' || pattern[i + 1] == '%')) {
            out += pattern[i + 1] == 's' ? arg : std::string("%");
            ++i;
            continue;
        }
        out += pattern[i];
    }
    return out;
}

} // namespace vlm
