#pragma once
// The exam package's pages must not carry their correct answers: the first
// answer block of an exported page is cut out.

#include "render/AnswerBlocks.h"

#include <filesystem>
#include <string>

namespace vlm {

// Removes the first span from the opening marker through the closing marker
// after it, with the line break that follows; nothing when the first closing
// marker stands before the first opening one or either is missing.
std::string StripAnswerBlock(const std::string& text);

// Applies StripAnswerBlock to the page's lines (joined by CR LF) and writes
// the lines back, each followed by CR LF. A missing file is left alone;
// throws EFCreateError when the page cannot be written back.
void StripAnswersInPage(const std::filesystem::path& page);

} // namespace vlm
