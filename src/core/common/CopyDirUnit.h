#pragma once
// Copies a whole folder tree, reporting one progress step per entry.

#include "common/Progress.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace vlm {

class TDirCopy {
public:
    struct Entry {
        std::filesystem::path relative;
        bool folder = false;
    };

    explicit TDirCopy(Progress& progress) : progress_(progress) {}

    // Adds the entries of root/relative matching the mask, a folder followed
    // at once by its contents (entries sorted by name within each folder).
    // Only real directories are entered.
    static void CollectTree(const std::filesystem::path& root,
                            const std::filesystem::path& relative, std::string_view mask,
                            std::vector<Entry>& list);

    // Creates the target's folder (ignoring failures) and copies, replacing
    // an existing file. False when the copy failed.
    static bool CopyOneFile(const std::filesystem::path& source,
                            const std::filesystem::path& target);

    // True when the folder exists, or (with create) could be created.
    static bool EnsureFolder(const std::filesystem::path& path, bool create);

    // Copies every file and folder below source into target. False when any
    // file could not be copied or the user cancelled; folder failures do not count.
    bool CopyTree(const std::filesystem::path& source, const std::filesystem::path& target);

    // The entries of the last CopyTree.
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    Progress& progress_;
    std::vector<Entry> entries_;
};

} // namespace vlm
