#include "resources/FileFilterList.h"

#include "resources/ResourceFolder.h"

namespace vlm {

void TFileFilterList::Add(const std::string& mask, const std::string& description) {
    items_.push_back({LowerName(mask), description});
}

std::string TFileFilterList::FilterText() const {
    std::string filters, masks;
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        if (!filters.empty())
            filters += '|';
        filters += it->description + " (" + it->mask + ")|" + it->mask;
        if (!masks.empty())
            masks += ';';
        masks += it->mask;
    }
    if (items_.size() > 1)
        return "All (" + masks + ")|" + masks + "|" + filters;
    return filters;
}

} // namespace vlm
