#include "designer/SurfaceGeometry.h"

#include "common/StringTools.h"

#include <charconv>
#include <cmath>

namespace vlm {

bool ParseWholeNumber(const std::string& text, int& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && first != last;
}

bool ReadDimension(const TjanXMLNode& element, const char* name, int& value) {
    const std::string text = element.GetAttributeText(name);
    return ParseWholeNumber(text.empty() ? std::string("10") : text, value);
}

int SnapToGrid(int value, int spacing, bool snapping) {
    if (!snapping || spacing <= 0)
        return value;
    const int r = value % spacing;
    if (r >= spacing - kSnapTolerance)
        return value - r + spacing;
    if (r <= kSnapTolerance)
        return value - r;
    return value;
}

bool ClassPaints(const TjanXMLNode* definitionsDocument, const std::string& className) {
    const TjanXMLNode* cls = definitionsDocument
                                 ? definitionsDocument->FindChildByAttribute("name", className)
                                 : nullptr;
    if (!cls)
        return true;
    const std::string flag = cls->GetAttributeText("paintElement");
    return flag.empty() || flag == "true";
}

bool ContentHeight(const TjanXMLNode* document, const TjanXMLNode* definitionsDocument,
                   int& height) {
    height = kSurfaceDefaultHeight;
    if (!document)
        return true;
    const TjanXMLNode* page = document->FindChild("page");
    // A page record without a height keeps the default one; a height that is
    // not a number cannot be designed.
    const std::string pageHeight = page ? page->GetAttributeText("height") : std::string();
    if (!pageHeight.empty() && !ParseWholeNumber(pageHeight, height))
        return false;
    for (const auto& child : document->Children()) {
        if (!child->FindAttribute("name") || child.get() == page ||
            !ClassPaints(definitionsDocument, child->Name()))
            continue;
        int y = 0, h = 0;
        if (!ReadDimension(*child, "y", y) || !ReadDimension(*child, "height", h))
            return false;
        const long long bottom = static_cast<long long>(y) + h;
        if (bottom > height)
            height = bottom + 10 > 1000000 ? 1000000 : static_cast<int>(bottom) + 10;
    }
    return true;
}

TRgb HtmlColorToRgb(const std::string& text) {
    if (text.size() != 7 || text[0] != '#')
        return {};
    int digits[6];
    for (int i = 0; i < 6; ++i)
        if ((digits[i] = HexValue(text[static_cast<std::size_t>(i) + 1])) < 0)
            return {};
    return {digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]};
}

TRgb OptionColorToRgb(int value) {
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

std::vector<TLine> GridLines(int width, int height, int spaceV, int spaceH) {
    std::vector<TLine> lines;
    if (spaceV > 0) {
        const int n = static_cast<int>(std::lround(static_cast<double>(width) / spaceV));
        for (int k = 1; k <= n; ++k)
            lines.push_back({k * spaceV, 0, k * spaceV, height});
    }
    if (spaceH > 0) {
        const int m = static_cast<int>(std::lround(static_cast<double>(height) / spaceH));
        for (int k = 1; k <= m; ++k)
            lines.push_back({0, k * spaceH, width, k * spaceH});
    }
    return lines;
}

} // namespace vlm
