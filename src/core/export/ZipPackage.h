#pragma once
// Packing an output folder into the zip file of a packaged target.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vlm {

// True for files whose data is compressed already (pictures, sound, video,
// archives): deflating them again costs time and saves nothing.
bool IsStoredExtension(std::string_view fileName);

// Adds every folder and file below root to the archive under its path
// relative to root ("/" separators, folders as entries of their own); an
// existing archive is kept and entries of the same names are replaced. The
// archive is written only when everything was added; false (with the
// archiver's reason in `error`) otherwise, and an existing archive then stays
// as it was. With `replace` the old entries are dropped, but the old archive
// is still replaced only by a whole new one.
// A folder added under a name of its own, as if it had been copied there:
// its files replace those of the same names below root. A missing folder
// adds the folder entry alone, as copying it would have made it empty.
struct TPackedFolder {
    std::string name; // "/" separators, no trailing "/"
    std::filesystem::path folder;
};

bool PackFolder(const std::filesystem::path& root, const std::filesystem::path& archive,
                std::string* error = nullptr, bool replace = false,
                const std::vector<TPackedFolder>& folders = {});

} // namespace vlm
