#include "data/FileAccess.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {
HANDLE OpenForReading(const std::string& path)
{
    // Another program may hold the file open for writing; read it all the same.
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    return handle;
}
} // namespace

std::FILE* OpenRegularFile(const std::string& path, int64_t& size)
{
    HANDLE handle = OpenForReading(path);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    // Devices (NUL, CON, pipes) report another type; folders do not open without backup semantics.
    LARGE_INTEGER length{};
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileSizeEx(handle, &length)) {
        CloseHandle(handle);
        return nullptr;
    }
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, "rb");
    if (file == nullptr) {
        _close(fd);
        return nullptr;
    }
    size = static_cast<int64_t>(length.QuadPart);
    return file;
}

bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != FALSE;
}
