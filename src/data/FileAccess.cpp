#include "data/FileAccess.h"

#include <cerrno>
#include <new>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
bool Seek(std::FILE* file, int64_t offset, int origin)
{
#ifdef _WIN32
    return _fseeki64(file, offset, origin) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), origin) == 0;
#endif
}

// Writes, flushes to the disk and closes, checking each step; the file is closed in any case.
bool FinishFile(std::FILE* file, bool ok)
{
    ok = ok && FlushToDisk(file);
    return std::fclose(file) == 0 && ok;
}

// A new, empty file: a leftover at the path (even one that cannot be read) never becomes part of it.
std::FILE* CreateEmpty(const std::string& path)
{
    DeleteFileIfPresent(path);
    return std::fopen(path.c_str(), "wb");
}
} // namespace

std::FILE* OpenDataFile(const std::string& path, int64_t& size)
{
    std::FILE* file = OpenRegularFile(path, size);
    if (file != nullptr && (size < 0 || size > kDataFileSizeLimit)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

int64_t FileSizeOf(const std::string& path)
{
    int64_t size = -1;
    std::FILE* file = OpenRegularFile(path, size);
    if (file == nullptr)
        return -1;
    std::fclose(file);
    return size;
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    bytes.clear();
    int64_t size = 0;
    std::FILE* file = OpenDataFile(path, size);
    if (file == nullptr)
        return false;
    bool ok = true;
    try {
        bytes.resize(static_cast<size_t>(size));
        size_t got = size > 0 ? std::fread(&bytes[0], 1, bytes.size(), file) : 0;
        ok = std::ferror(file) == 0;
        // A file that shrank meanwhile gives what was there.
        bytes.resize(got);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    std::fclose(file);
    if (!ok)
        std::string().swap(bytes);
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
    return FinishFile(file, ok);
}

bool TruncateFile(const std::string& path, int64_t size)
{
    // The C runtime's calls rather than std::filesystem, whose path and locale machinery
    // alone would add about 700 KB to the program.
#ifdef _WIN32
    int file = _open(path.c_str(), _O_RDWR | _O_BINARY);
    if (file < 0)
        return false;
    bool ok = _chsize_s(file, size) == 0;
    return _close(file) == 0 && ok;
#else
    return truncate(path.c_str(), static_cast<off_t>(size)) == 0;
#endif
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
    errno = 0;
    return std::remove(path.c_str()) == 0 || errno == ENOENT;
}

bool RecordWriter::Open(const std::string& path, const char* mode)
{
    Close();
    m_file = std::fopen(path.c_str(), mode);
    m_failed = m_file == nullptr;
    if (m_file != nullptr) {
        m_buffer.resize(1 << 20);
        std::setvbuf(m_file, m_buffer.data(), _IOFBF, m_buffer.size());
    }
    return !m_failed;
}

bool RecordWriter::OpenToAppend(const std::string& path)
{
    return Open(path, "ab");
}

bool RecordWriter::Create(const std::string& path)
{
    DeleteFileIfPresent(path);
    return Open(path, "wb");
}

bool RecordWriter::Write(const char* bytes, size_t size)
{
    if (m_file == nullptr || m_failed)
        return false;
    if (size > 0 && std::fwrite(bytes, 1, size, m_file) != size)
        m_failed = true;
    return !m_failed;
}

bool RecordWriter::Close()
{
    bool ok = !m_failed;
    if (m_file != nullptr)
        ok = FinishFile(m_file, ok);
    m_file = nullptr;
    m_failed = false;
    std::vector<char>().swap(m_buffer);
    return ok;
}

std::string FreshFileName(const std::string& target)
{
    return target + ".new";
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes)
{
    const std::string fresh = FreshFileName(path);
    std::FILE* file = CreateEmpty(fresh);
    bool ok = file != nullptr;
    if (ok)
        ok = FinishFile(file, bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    ok = ok && ReplaceFileWith(path, fresh);
    if (!ok)
        DeleteFileIfPresent(fresh);
    return ok;
}
