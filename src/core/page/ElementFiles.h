#pragma once
// An element's private media files ("c" + the padded globalIndex, an optional
// "_" + suffix, "." + extension) and the resource path texts stored in page
// documents. Path texts are cp1250 with backslashes as stored; slashes are
// accepted as separators too, since this platform's paths use them.

#include "page/janXMLTree.h"

#include <string>

namespace vlm {

// "c" + PadIndex5(globalIndex of the element).
std::string ElementFilePrefix(const TjanXMLNode& element);

// Deletes the files of the folder matching the element's prefix + ".*", then
// removes and destroys the element (a child of documentNode, or of its own parent).
void DeleteElement(TjanXMLNode& documentNode, TjanXMLNode* element, const std::string& folder);

// The path contains (ASCII upper case) the course folder + "pages\resources\".
bool IsInPagesResources(const std::string& courseFolder, const std::string& path);

// The path contains (ASCII upper case) "..\resources\".
bool IsRelativeResource(const std::string& path);

// "src" (or "buttonSrc" without "src"): relative resource values as they
// are; otherwise the element's private file in the folder when it exists,
// else empty.
std::string ResolveElementMediaPath(const TjanXMLNode& element, const std::string& folder,
                                    const std::string& suffix);

// Records a file chosen for a file-valued property; see the implementation
// for the three cases. Returns the stored or private name, or empty.
std::string AssignResourceFile(TjanXMLNode& element, const std::string& attribute,
                               const std::string& courseFolder, const std::string& suffix,
                               const std::string& sourceFile, const std::string& targetFolder);

} // namespace vlm
