#include "designer/ActionProjectList.h"

#include <charconv>

namespace vlm {

std::size_t PickerStartIndex(const std::vector<TProjectItem>& items, std::size_t selected,
                             const std::string& currentParameter) {
    int id = 0;
    const char* end = currentParameter.data() + currentParameter.size();
    const auto [ptr, ec] = std::from_chars(currentParameter.data(), end, id);
    if (ec == std::errc() && ptr == end && !currentParameter.empty())
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].Id == id)
                return i;
    return selected;
}

std::optional<std::string> PickerResult(const std::vector<TProjectItem>& items,
                                        std::size_t chosen) {
    if (chosen == 0 || chosen >= items.size())
        return std::nullopt;
    return std::to_string(items[chosen].Id);
}

} // namespace vlm
