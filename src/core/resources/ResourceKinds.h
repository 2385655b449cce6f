#pragma once
// The kinds of media the resource manager picks: masks, tree texts, previews.

#include "resources/FileFilterList.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vlm {

struct TResourceKind {
    int mode;                    // 1 .. 5
    const char* kind;            // the kind argument, "image"
    const char* nodeKey;         // language key of the kind's tree node
    const char* previewTemplate; // below the program folder; empty: the file itself
};

// Language key of the kind tree's root node.
inline constexpr const char* kResourcesRootKey = "RESFORM_RESOURCES";

// The five kinds in tree order.
const std::vector<TResourceKind>& ResourceKinds();

// The mode of a kind argument (case-insensitive); 0 for an unknown kind.
int ModeOfKind(const std::string& kind);

// The filters of a mode in table order; empty for an unknown mode.
TFileFilterList FileFiltersOfMode(int mode);

// The preview template of a mode below the program folder; empty for the
// HTML document mode (the document previews itself) and unknown modes.
std::filesystem::path PreviewTemplateFile(const std::filesystem::path& programDir, int mode);

// True when the name's extension equals a mask's extension of the mode,
// ignoring case.
bool MatchesMode(int mode, const std::string& fileName);

struct TResourceListEntry {
    std::string name;
    std::uintmax_t size = 0;
};

// The files of the folder that the mode shows (sub-folders never), by name.
std::vector<TResourceListEntry> ListResourcesOfMode(const std::filesystem::path& folder, int mode);

} // namespace vlm
