#pragma once
// Names and small text rules shared by the manifest and metadata files.

#include "common/StringRoutines.h" // HtmlEscape

#include <string>
#include <string_view>

namespace vlm {

inline constexpr const char* kNsImsCp = "http://www.imsproject.org/xsd/imscp_rootv1p1p2";
inline constexpr const char* kNsImsMd = "http://www.imsglobal.org/xsd/imsmd_rootv1p2p1";
inline constexpr const char* kNsAdlCp = "http://www.adlnet.org/xsd/adlcp_rootv1p2";
inline constexpr const char* kNsXsi = "http://www.w3.org/2001/XMLSchema-instance";

// The three namespaces, each followed by its schema file.
std::string DefaultSchemaLocation();

// n tab characters, at most 64.
std::string Tabs(int n);

// A double-quoted value: q + text + q.
std::string Quoted(std::string_view text);

} // namespace vlm
