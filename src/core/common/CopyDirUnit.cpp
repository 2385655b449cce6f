#include "common/CopyDirUnit.h"

#include "common/Encoding.h"
#include "common/FilesTools.h"

#include <algorithm>
#include <system_error>

namespace vlm {

namespace fs = std::filesystem;

void TDirCopy::CollectTree(const fs::path& root, const fs::path& relative, std::string_view mask,
                           std::vector<Entry>& list) {
    std::vector<fs::directory_entry> found;
    std::error_code ec;
    for (fs::directory_iterator it(root / relative, ec), end; !ec && it != end; it.increment(ec))
        found.push_back(*it);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.path().filename() < b.path().filename();
    });
    for (const auto& entry : found) {
        const fs::path name = entry.path().filename();
        if (!MatchesFileMask(PathToCp1250(name), mask))
            continue;
        if (IsRealFolder(entry.path())) {
            list.push_back({relative / name, true});
            CollectTree(root, relative / name, mask, list);
        } else {
            list.push_back({relative / name, false});
        }
    }
}

bool TDirCopy::CopyOneFile(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    // Only plain files: a link may lead out of the copied tree, a pipe would block.
    if (fs::symlink_status(source, ec).type() != fs::file_type::regular)
        return false;
    fs::create_directories(target.parent_path(), ec);
    // A link already at the target is replaced, never written through.
    if (fs::is_symlink(fs::symlink_status(target, ec)))
        fs::remove(target, ec);
    ec.clear();
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
    return !ec;
}

bool TDirCopy::EnsureFolder(const fs::path& path, bool create) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return true;
    if (!create)
        return false;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

bool TDirCopy::CopyTree(const fs::path& source, const fs::path& target) {
    progress_.SetMin(0);
    progress_.SetPosition(0);
    // A path given with a trailing separator names the same folder.
    const fs::path from = source.has_filename() ? source : source.parent_path();
    const fs::path to = target.has_filename() ? target : target.parent_path();
    entries_.clear();
    CollectTree(from, {}, "*.*", entries_);
    progress_.SetMax(std::max<int>(static_cast<int>(entries_.size()), 2));

    bool ok = true;
    for (const Entry& entry : entries_) {
        if (progress_.Cancelled()) {
            ok = false;
            break;
        }
        progress_.Step();
        if (entry.folder)
            EnsureFolder(to / entry.relative, true);
        else if (!CopyOneFile(from / entry.relative, to / entry.relative))
            ok = false;
    }
    progress_.Close();
    return ok;
}

} // namespace vlm
