#include "data/FileAccess.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
// The rename itself lives in the folder's entries: flushing the folder makes it last.
void FlushFolderOf(const std::string& target)
{
    size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // Some file systems refuse to flush a folder; the file's own data is already on the disk.
    (void)fsync(fd);
    close(fd);
}
} // namespace

bool ReplaceFileWith(const std::string& target, const std::string& fresh)
{
    if (std::rename(fresh.c_str(), target.c_str()) != 0)
        return false;
    FlushFolderOf(target);
    return true;
}
