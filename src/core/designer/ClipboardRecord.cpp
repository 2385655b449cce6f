#include "designer/ClipboardRecord.h"

namespace vlm {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

bool NeedsQuotes(const std::string& field) {
    for (char c : field)
        if (IsBlank(c) || c == '"' || c == ',')
            return true;
    return false;
}

} // namespace

std::string CommaListText(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i)
            out += ',';
        const std::string& field = fields[i];
        if (!NeedsQuotes(field)) {
            out += field;
            continue;
        }
        out += '"';
        for (char c : field)
            out += c == '"' ? std::string("\"\"") : std::string(1, c);
        out += '"';
    }
    return out;
}

std::vector<std::string> ParseCommaList(std::string_view bytes) {
    const std::size_t zero = bytes.find('\0');
    if (zero != std::string_view::npos)
        bytes = bytes.substr(0, zero);
    std::vector<std::string> fields;
    std::size_t p = 0;
    const std::size_t n = bytes.size();
    auto skipBlanks = [&] {
        while (p < n && IsBlank(bytes[p]))
            ++p;
    };
    skipBlanks();
    while (p < n) {
        std::string field;
        if (bytes[p] == '"') {
            ++p;
            while (p < n) {
                if (bytes[p] == '"') {
                    if (p + 1 < n && bytes[p + 1] == '"') {
                        field += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                field += bytes[p++];
            }
        } else {
            while (p < n && !IsBlank(bytes[p]) && bytes[p] != ',')
                field += bytes[p++];
        }
        fields.push_back(std::move(field));
        skipBlanks();
        if (p < n && bytes[p] == ',') {
            if (p + 1 == n)
                fields.emplace_back();
            ++p;
            skipBlanks();
        }
    }
    return fields;
}

std::string EncodeClipboardRecord(const std::string& resourcesDir, const std::string& elementXml) {
    std::string out = CommaListText({resourcesDir, elementXml});
    out += '\0';
    return out;
}

} // namespace vlm
