#pragma once
// Answer blocks: the parts of a page that give its correct answers away. An
// exam page is graded by the server, so they must not reach its source.

#include <string>
#include <string_view>

namespace vlm {

inline constexpr const char* kAnswerOpen = "<!-- element:answer //-->";
inline constexpr const char* kAnswerClose = "<!-- /element:answer //-->";

// The text without any span from an opening marker through the first closing
// marker after it, nor the line break that follows such a span. An opening
// marker without a closing one after it stays, with the rest of the text.
std::string RemoveAnswerBlocks(std::string_view text);

} // namespace vlm
