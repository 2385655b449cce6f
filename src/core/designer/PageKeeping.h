#pragma once
// Whether a page document reads back as it stands: the XML writer does not
// escape, so a value with markup characters, or text with outer blanks,
// would come back changed or break the file.

#include "page/janXMLTree.h"

namespace vlm {

bool PageSurvivesSaving(const TjanXMLTree& tree);

} // namespace vlm
