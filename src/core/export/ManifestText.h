#pragma once
// Names and small text rules shared by the manifest and metadata files.

#include "common/StringRoutines.h" // HtmlEscape

#include <string>
#include <string_view>

namespace vlm {

// The three manifests: the server and exam packages keep their UTF-16 files;
// the SCORM package's manifest and metadata are UTF-8 for the LMSs.
enum class TManifestVariant { Server, Exam, Scorm };

// The language tag of the metadata ("en" for "EN"); "pl" for no code.
std::string MetadataLanguage(const std::string& languageCode);

inline constexpr const char* kNsImsCp = "http://www.imsproject.org/xsd/imscp_rootv1p1p2";
inline constexpr const char* kNsImsMd = "http://www.imsglobal.org/xsd/imsmd_rootv1p2p1";
inline constexpr const char* kNsAdlCp = "http://www.adlnet.org/xsd/adlcp_rootv1p2";
inline constexpr const char* kNsXsi = "http://www.w3.org/2001/XMLSchema-instance";

// The three namespaces, each followed by its schema file.
std::string DefaultSchemaLocation();

// Element text of the UTF-8 files an LMS reads (the SCORM package): only "&"
// and "<" become entities, and ">" where it would close "]]>". Moodle's
// upload rewrites every "&" that does not start a named entity and drops
// text chunks of only blanks between entities, so the fewer entities, the
// truer the title arrives. Control bytes that XML cannot hold become blanks.
std::string XmlText(std::string_view text);

// An attribute value of those files: HtmlEscape, control bytes as blanks.
std::string XmlAttribute(std::string_view text);

// n tab characters, at most 64.
std::string Tabs(int n);

// A double-quoted value: q + text + q.
std::string Quoted(std::string_view text);

} // namespace vlm
