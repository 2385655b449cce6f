#include "export/ManifestAddress.h"

#include "common/StringRoutines.h"
#include "common/StringTools.h"

#include <algorithm>

namespace vlm {

namespace {

std::string Slashes(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

std::string PagePrefix(const TProjectItem& item) {
    return "pages\\p" + PadIndex5(std::to_string(item.Id)) + "\\";
}

constexpr const char* kRequest = "pages/lmsrequest/lmsrequest.html?type=";

} // namespace

std::string ManifestPageUrl(const TProjectItem& item) {
    switch (item.PageType) {
    case ptContent:
        return StripLeadingSlash(
            Slashes(RemoveExtension(PagePrefix(item) + "_page.xmp") + ".html"));
    case ptURLLink:
        return item.Address;
    case ptOutsideDocument:
        return PagePrefix(item) + item.Address;
    default:
        return "ds_blank.html";
    }
}

std::string ManifestItemUrl(const TProjectItem& item) {
    switch (item.PageType) {
    case ptNone:
        return std::string(kRequest) + "file&amp;src=blank.html";
    case ptContent:
        return ManifestPageUrl(item);
    case ptURLLink:
        return std::string(kRequest) + "http&amp;src=" + UrlEncode(Slashes(item.Address));
    case ptOutsideDocument:
        return std::string(kRequest) + "file&amp;src=" + UrlEncode(Slashes(ManifestPageUrl(item)));
    default:
        return {};
    }
}

} // namespace vlm
