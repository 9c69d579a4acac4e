#include "data/FileAccess.h"

#include <cstdio>
#include <vector>

namespace {
// The handle of AppendOpen..AppendClose, with a large buffer: records are small and many.
struct AppendState {
    std::FILE* file = nullptr;
    bool failed = false;
    std::vector<char> buffer;
};
AppendState g_append;

bool Seek(std::FILE* file, int64_t offset, int origin)
{
#ifdef _WIN32
    return _fseeki64(file, offset, origin) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), origin) == 0;
#endif
}

int64_t Tell(std::FILE* file)
{
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<int64_t>(ftello(file));
#endif
}
} // namespace

int64_t FileSizeOf(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return -1;
    int64_t size = Seek(file, 0, SEEK_END) ? Tell(file) : -1;
    std::fclose(file);
    return size;
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    bool ok = Seek(file, 0, SEEK_END);
    int64_t size = ok ? Tell(file) : -1;
    ok = size >= 0 && Seek(file, 0, SEEK_SET);
    if (ok) {
        bytes.resize(static_cast<size_t>(size));
        size_t got = size > 0 ? std::fread(&bytes[0], 1, bytes.size(), file) : 0;
        // A file that shrank meanwhile gives what was there.
        bytes.resize(got);
    }
    std::fclose(file);
    if (!ok)
        bytes.clear();
    return ok;
}

bool WriteAt(const std::string& path, const std::string& bytes, int64_t offset)
{
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (file == nullptr)
        file = std::fopen(path.c_str(), "w+b");
    if (file == nullptr)
        return false;
    bool ok = offset < 0 ? Seek(file, 0, SEEK_END) : Seek(file, offset, SEEK_SET);
    ok = ok && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

bool FileExists(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

bool DeleteFileIfPresent(const std::string& path)
{
    if (!FileExists(path.c_str()))
        return true;
    return std::remove(path.c_str()) == 0;
}

bool AppendOpen(const std::string& path)
{
    AppendClose();
    g_append.file = std::fopen(path.c_str(), "ab");
    g_append.failed = g_append.file == nullptr;
    if (g_append.file != nullptr) {
        g_append.buffer.resize(1 << 20);
        std::setvbuf(g_append.file, g_append.buffer.data(), _IOFBF, g_append.buffer.size());
    }
    return !g_append.failed;
}

bool AppendWrite(const char* bytes, size_t size)
{
    if (g_append.file == nullptr || g_append.failed)
        return false;
    if (size > 0 && std::fwrite(bytes, 1, size, g_append.file) != size)
        g_append.failed = true;
    return !g_append.failed;
}

bool AppendClose()
{
    if (g_append.file == nullptr) {
        bool ok = !g_append.failed;
        g_append = AppendState();
        return ok;
    }
    bool ok = std::fclose(g_append.file) == 0 && !g_append.failed;
    g_append = AppendState();
    return ok;
}

std::string FreshFileName(const std::string& target)
{
    return target + ".new";
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes)
{
    const std::string fresh = FreshFileName(path);
    // A fresh file left by an interrupted save would otherwise keep its longer tail.
    DeleteFileIfPresent(fresh);
    bool ok = WriteAt(fresh, bytes, 0) && ReplaceFileWith(path, fresh);
    if (!ok)
        DeleteFileIfPresent(fresh);
    return ok;
}
