#pragma once
// File-dialog filters as the language file writes them ("Text|*.a;*.b|...")
// in the form the toolkit's dialogs read ("Text (*.a *.b);;...").

#include <string>

namespace vlm {

// Each description keeps its text without a trailing "(...)" of its own and
// gets its patterns appended once; a description without patterns is dropped.
std::string ToolkitFileFilter(const std::string& filter);

} // namespace vlm
