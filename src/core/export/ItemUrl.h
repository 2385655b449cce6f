#pragma once
// Addresses of course items inside an export's output root.

#include <string>

namespace vlm {

class TProjectItem;

// The address of the item's content relative to the output root:
// "pages/p00012/_page.html", the stored link, "pages\p00012\<document>" or
// "ds_blank.html".
std::string PageUrl(const TProjectItem& item);

// The address of a leaf in the tree script and the manifests: the page
// address, or the lmsrequest page with the form-encoded link or document.
std::string ItemUrl(const TProjectItem& item);

// The blank and request pages of the lmsrequest folder.
inline constexpr const char* kLmsRequestPage = "pages/lmsrequest/lmsrequest.html";

} // namespace vlm
