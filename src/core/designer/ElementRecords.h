#pragma once
// Adding and removing element records of a page document: a new element of
// a class, and the removal of an element with its step membership, the
// records that depend on it and its private files.

#include "page/xmp.h"

#include <filesystem>
#include <string>

namespace vlm {

// An ASCII letter or underscore followed by ASCII letters, digits and underscores.
bool IsValidIdentifier(const std::string& text);

// A new last child of "document" named after the class, with the class's
// resolved defaults in the content language, a unique name, the position,
// the next globalIndex and one "event" per event of the class with its
// default code as CDATA. Null (nothing added) without a "document" or when
// the class name cannot make an element name.
TjanXMLNode* CreateElementRecord(TXMPDocument& document, const std::string& className, int x,
                                 int y);

// Removes the element: its name leaves its step's "elements", the record
// goes with its files, then every record whose "sourceObject", "param" or
// "target" names it, each with its files. Files are deleted only from the
// course folder and only for a whole-number globalIndex. False when
// "document" has no children or the element is not one of them.
bool DeleteElementRecord(TjanXMLNode& document, TjanXMLNode* element,
                         const std::filesystem::path& courseDir);

} // namespace vlm
