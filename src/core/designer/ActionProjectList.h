#pragma once
// The page picker of page jumps: which page it starts on, which choice it
// accepts, and the parameter it gives.

#include "project/Project.h"

#include <optional>
#include <string>
#include <vector>

namespace vlm {

// `items` in tree order, the course first. The page at the course tree's
// selection, or the first whose page number is the current parameter.
std::size_t PickerStartIndex(const std::vector<TProjectItem>& items, std::size_t selected,
                             const std::string& currentParameter);

// The parameter for the chosen entry: its page number as decimal text;
// nothing for the course itself or no entry (the picker stays open).
std::optional<std::string> PickerResult(const std::vector<TProjectItem>& items, std::size_t chosen);

} // namespace vlm
