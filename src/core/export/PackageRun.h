#pragma once
// The working folder of a packaged target and its packing into the zip file.

#include "common/RunFolderMark.h"
#include "export/ExportResult.h"

#include <filesystem>
#include <vector>

namespace vlm {

class UserPrompt;

// Removes the working folder when the run ends, however it ends, so a
// failed run leaves nothing behind in the temporary folder.
class TWorkFolder {
public:
    explicit TWorkFolder(std::filesystem::path path) : path_(std::move(path)), mark_(path_) {}
    ~TWorkFolder();
    TWorkFolder(const TWorkFolder&) = delete;
    TWorkFolder& operator=(const TWorkFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
    TRunFolderMark mark_; // a kill leaves the folder to the next run to remove
};

// Packs the folder into the package file; a failure is reported (the
// archiver's reason included) and makes the run fail.
// With `replace` the old package's entries are dropped; either way the old
// package stays until the new one is whole.
// `media` is the course's resources folder, packed as the folder's
// pages/resources straight from the course (the pages were built without a
// copy of it).
TExportResult PackPackage(const std::filesystem::path& folder,
                          const std::filesystem::path& packageFile, UserPrompt& prompt,
                          bool replace, const std::filesystem::path& media);

} // namespace vlm
