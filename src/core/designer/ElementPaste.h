#pragma once
// Pasting a clipboard record into a page document, with the media its
// file-valued properties name copied from the course it was copied from.

#include "page/ComponentsManager.h"
#include "page/xmp.h"

#include <filesystem>
#include <string_view>

namespace vlm {

// Adds the record's element (renamed, new identifier and globalIndex, moved
// by 20 when placed right or below of the edge) and copies the files of its
// "path" properties from the record's resources folder into the course's,
// never over an existing file and never to a place outside the course's
// resources folder. Null when the record holds no element.
TjanXMLNode* PasteClipboardRecord(TXMPDocument& document, const TComponentsCollection* library,
                                  std::string_view record,
                                  const std::filesystem::path& courseResourcesDir);

} // namespace vlm
