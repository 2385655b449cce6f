#pragma once
// The file filters of an open dialog and the filter text built from them.

#include <string>
#include <vector>

namespace vlm {

struct TFileFilterItem {
    std::string mask;        // "*.jpg", stored lower-cased
    std::string description; // "JPEG Image File"
};

class TFileFilterList {
public:
    void Add(const std::string& mask, const std::string& description);
    int Count() const { return static_cast<int>(items_.size()); }
    const TFileFilterItem& Items(int index) const { return items_.at(index); }

    // "Description (mask)|mask" per filter, last filter first, preceded by an
    // "All (...)|..." entry of every mask when there is more than one filter.
    std::string FilterText() const;

private:
    std::vector<TFileFilterItem> items_;
};

} // namespace vlm
