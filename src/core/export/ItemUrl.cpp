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
