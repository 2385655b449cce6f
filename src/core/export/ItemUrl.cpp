#include "export/ItemUrl.h"

#include "common/StringRoutines.h"
#include "common/StringTools.h"
#include "project/Project.h"

#include <algorithm>

namespace vlm {

namespace {

std::string Slashed(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

std::string PageFolderText(const TProjectItem& item) {
    return "pages\\p" + PadIndex5(std::to_string(item.Id)) + "\\";
}

} // namespace

std::string TrimBlanks(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return text.substr(begin, end - begin);
}

std::string ReplaceAllText(const std::string& text, const std::string& from,
                           const std::string& to) {
    if (from.empty())
        return text;
    std::string out;
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
        out.append(text, start, at - start);
        out += to;
        start = at + from.size();
    }
    out.append(text, start);
    return out;
}

std::string PageUrl(const TProjectItem& item) {
    switch (item.PageType) {
    case ptContent:
        return StripLeadingSlash(
            Slashed(RemoveExtension(PageFolderText(item) + "_page.xmp") + ".html"));
    case ptURLLink:
        return item.Address;
    case ptOutsideDocument:
        return PageFolderText(item) + item.Address;
    default:
        return "ds_blank.html";
    }
}

std::string ItemUrl(const TProjectItem& item) {
    const std::string request = std::string(kLmsRequestPage);
    switch (item.PageType) {
    case ptNone:
        return request + "?type=file&amp;src=blank.html";
    case ptContent:
        return PageUrl(item);
    case ptURLLink:
        return request + "?type=http&amp;src=" + UrlEncode(Slashed(item.Address));
    case ptOutsideDocument:
        return request + "?type=file&amp;src=" + UrlEncode(Slashed(PageUrl(item)));
    default:
        return {};
    }
}

} // namespace vlm
