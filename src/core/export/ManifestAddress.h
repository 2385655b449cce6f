#pragma once
// Addresses of course items inside a package, relative to its root.

#include "project/Project.h"

#include <string>

namespace vlm {

// "pages/p00012/_page.html" for a page, the link for an internet address,
// "pages\p00012\" + the link for a document, "ds_blank.html" otherwise.
std::string ManifestPageUrl(const TProjectItem& item);

// The address a manifest resource launches: the page, or the lmsrequest page
// with the form-encoded target for addresses, documents and undefined items.
std::string ManifestItemUrl(const TProjectItem& item);

} // namespace vlm
