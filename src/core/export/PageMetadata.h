#pragma once
// The line plans of the metadata files: the course's lom.xml, the per-page
// metadata of the server and exam packages and the exam's imstype.xml.

#include "common/StringRoutines.h"
#include "export/ManifestText.h"
#include "export/PageFacts.h"
#include "project/Project.h"

#include <string>

namespace vlm {

// Every "xml:lang" and "<language>" of these files is `language` ("en"),
// the course's content language.

// lom.xml: course title and description. Server and exam packages: HTML-
// escaped, no declaration (written in UTF-16). SCORM: a UTF-8 declaration
// and XmlText.
StringList LomLines(const TProject& project, const std::string& language,
                    TManifestVariant variant);

// The metadata file of one page: names form-encoded, one relation block per
// link, the educational block when the page has a type.
StringList PageMetadataLines(const std::string& itemName, const std::string& courseDescription,
                             const TPageFacts& facts, const std::string& language);

// One link of the page as a "References" relation, at indent 2.
StringList RelationLines(const TPageLink& link, const std::string& language);

// The learning resource type of a page, each line after one tab.
StringList EducationalLines(const std::string& pageType);

// imstype.xml of the exam package.
StringList ExamTypeLines(const std::string& language);

} // namespace vlm
