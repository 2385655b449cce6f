#include "export/UnicodeText.h"

#include "common/Encoding.h"
#include "common/FileWrite.h"
#include "page/janXMLTree.h"

#include <cstdint>

namespace vlm {

namespace {

void AppendUnit(std::string& out, std::uint32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

// The UTF-8 that Cp1250ToUtf8 makes holds only code points of the basic
// plane (one to three bytes each).
void AppendUtf16(std::string& out, const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        std::uint32_t cp = b;
        std::size_t len = 1;
        if (b >= 0xE0 && i + 2 < utf8.size()) {
            cp = ((b & 0x0Fu) << 12) | ((utf8[i + 1] & 0x3Fu) << 6) | (utf8[i + 2] & 0x3Fu);
            len = 3;
        } else if (b >= 0xC0 && i + 1 < utf8.size()) {
            cp = ((b & 0x1Fu) << 6) | (utf8[i + 1] & 0x3Fu);
            len = 2;
        }
        AppendUnit(out, cp);
        i += len;
    }
}

std::string JoinedText(const StringList& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    text += "\r\n";
    return text;
}

} // namespace

std::string UnicodeTextBytes(const StringList& lines) {
    const std::string text = JoinedText(lines);
    std::string out = "\xFF\xFE";
    out.reserve(2 + text.size() * 2);
    AppendUtf16(out, Cp1250ToUtf8(text));
    return out;
}

void WriteUnicodeText(const std::filesystem::path& file, const StringList& lines) {
    if (!WriteFileBytes(file, UnicodeTextBytes(lines)))
        throw EFCreateError("Cannot create file \"" + file.string() + "\".");
}

std::string Utf8TextBytes(const StringList& lines) {
    return Cp1250ToUtf8(JoinedText(lines));
}

void WriteUtf8Text(const std::filesystem::path& file, const StringList& lines) {
    if (!WriteFileBytes(file, Utf8TextBytes(lines)))
        throw EFCreateError("Cannot create file \"" + file.string() + "\".");
}

} // namespace vlm
