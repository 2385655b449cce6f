#include "common/DialogFilter.h"

#include <vector>

namespace vlm {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        const std::string::size_type end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The patterns usually repeat in the description; shown twice they only
// make the dialog's list wider.
std::string WithoutTrailingPatterns(std::string text) {
    text = Trimmed(text);
    if (!text.empty() && text.back() == ')') {
        const auto open = text.rfind('(');
        if (open != std::string::npos)
            text = Trimmed(text.substr(0, open));
    }
    return text;
}

} // namespace

std::string ToolkitFileFilter(const std::string& filter) {
    const std::vector<std::string> parts = Split(filter, '|');
    std::string result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns;
        for (const std::string& pattern : Split(parts[i + 1], ';')) {
            const std::string p = Trimmed(pattern);
            if (p.empty())
                continue;
            patterns += (patterns.empty() ? "" : " ") + p;
        }
        if (patterns.empty())
            continue;
        std::string description = WithoutTrailingPatterns(parts[i]);
        if (!result.empty())
            result += ";;";
        result += (description.empty() ? "" : description + " ") + "(" + patterns + ")";
    }
    return result;
}

} // namespace vlm
