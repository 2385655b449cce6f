#include "export/ManifestText.h"

namespace vlm {

std::string DefaultSchemaLocation() {
    return std::string(kNsImsCp) + " imscp_rootv1p1p2.xsd " + kNsImsMd + " imsmd_rootv1p2p1.xsd " +
           kNsAdlCp + " adlcp_rootv1p2.xsd";
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::string Tabs(int n) {
    return std::string(n > 0 ? static_cast<std::size_t>(n) : 0u, '\t');
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
