#pragma once
// Working folders in the system's temporary folder that outlive a killed
// run. Each run marks its folders with a file it keeps locked while it
// lives; the system drops the lock with the process, so a marked folder
// whose lock can be taken belongs to a run that died.

#include <filesystem>

namespace vlm {

inline constexpr const char* kRunFolderMarkName = ".vellumar-run";

class TRunFolderMark {
public:
    // Marks the folder; a folder that cannot be marked is simply not
    // cleaned up by a later run.
    explicit TRunFolderMark(const std::filesystem::path& folder);
    ~TRunFolderMark();
    TRunFolderMark(const TRunFolderMark&) = delete;
    TRunFolderMark& operator=(const TRunFolderMark&) = delete;

private:
    int fd_ = -1;
};

// Removes the folders "vlm…" directly below `temp` whose mark no live run
// holds; unmarked folders (not ours, or not marked yet) stay. The number removed.
int RemoveDeadRunFolders(const std::filesystem::path& temp);

} // namespace vlm
