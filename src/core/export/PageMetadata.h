#pragma once
// The line plans of the metadata files: the course's lom.xml, the per-page
// metadata of the server and exam packages and the exam's imstype.xml.

#include "common/StringRoutines.h"
#include "export/PageFacts.h"
#include "project/Project.h"

#include <string>

namespace vlm {

// lom.xml: course title and description, HTML-escaped; no declaration.
StringList LomLines(const TProject& project);

// The metadata file of one page: names form-encoded, one relation block per
// link, the educational block when the page has a type.
StringList PageMetadataLines(const std::string& itemName, const std::string& courseDescription,
                             const TPageFacts& facts);

// One link of the page as a "References" relation, at indent 2.
StringList RelationLines(const TPageLink& link);

// The learning resource type of a page, each line after one tab.
StringList EducationalLines(const std::string& pageType);

// imstype.xml of the exam package.
StringList ExamTypeLines();

} // namespace vlm
