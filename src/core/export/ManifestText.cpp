#include "export/ManifestText.h"

#include <algorithm>

namespace vlm {

std::string DefaultSchemaLocation() {
    return std::string(kNsImsCp) + " imscp_rootv1p1p2.xsd " + kNsImsMd + " imsmd_rootv1p2p1.xsd " +
           kNsAdlCp + " adlcp_rootv1p2.xsd";
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
