#include "export/ManifestText.h"

#include "common/AsciiText.h"

#include <algorithm>

namespace vlm {

std::string MetadataLanguage(const std::string& languageCode) {
    const std::string code = TrimText(languageCode);
    return code.empty() ? "pl" : LowerCaseAscii(code);
}

std::string DefaultSchemaLocation() {
    return std::string(kNsImsCp) + " imscp_rootv1p1p2.xsd " + kNsImsMd + " imsmd_rootv1p2p1.xsd " +
           kNsAdlCp + " adlcp_rootv1p2.xsd";
}

namespace {

// XML 1.0 holds no control characters but tab, line feed and carriage return.
bool IsControl(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b < 0x20 && c != '\t' && c != '\n' && c != '\r') || b == 0x7F;
}

std::string WithoutControls(std::string text) {
    for (char& c : text)
        if (IsControl(c))
            c = ' ';
    return text;
}

} // namespace

std::string XmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>' && i >= 2 && text[i - 1] == ']' && text[i - 2] == ']')
            out += "&gt;";
        else
            out += IsControl(c) ? ' ' : c;
    }
    return out;
}

std::string XmlAttribute(std::string_view text) {
    return WithoutControls(HtmlEscape(text));
}

std::string Tabs(int n) {
    // Indentation is for people: past this depth it would only make a deep
    // tree's file grow with the square of its depth.
    constexpr int kMaxTabs = 64;
    return std::string(static_cast<std::size_t>(std::clamp(n, 0, kMaxTabs)), '\t');
}

std::string Quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    out += text;
    out += '"';
    return out;
}

} // namespace vlm
