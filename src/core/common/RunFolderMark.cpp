#include "common/RunFolderMark.h"

#include "common/FilesTools.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <system_error>

namespace vlm {

namespace fs = std::filesystem;

TRunFolderMark::TRunFolderMark(const fs::path& folder) {
    // Locked under another name first and then renamed: a run that scans at
    // this moment never sees a mark that is not locked yet.
    const fs::path pending = folder / ".vellumar-run-pending";
    fd_ = ::open(pending.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    std::error_code ec;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 ||
        (fs::rename(pending, folder / kRunFolderMarkName, ec), ec)) {
        ::close(fd_);
        fd_ = -1;
        fs::remove(pending, ec);
    }
}

TRunFolderMark::~TRunFolderMark() {
    if (fd_ >= 0)
        ::close(fd_);
}

int RemoveDeadRunFolders(const fs::path& temp) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(temp, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->path().filename().string().starts_with("vlm") || !IsRealFolder(it->path()))
            continue;
        const fs::path mark = it->path() / kRunFolderMarkName;
        const int fd = ::open(mark.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        const bool dead = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        // Held while the folder goes, so a run starting now cannot take it.
        if (dead && DeleteFolderTree(it->path()))
            ++removed;
        ::close(fd);
    }
    return removed;
}

} // namespace vlm
