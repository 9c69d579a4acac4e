#pragma once
// The few file operations every data file goes through. Paths are the program's own narrow
// text (the system code page on Windows).
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// No data file of this program comes near this size (a million items take about 250 MB): a
// larger one is a sparse file or a device and is not read.
constexpr int64_t kDataFileSizeLimit = int64_t(1) << 30;

// The whole file; false (and no bytes) when it is missing, no regular file, larger than
// kDataFileSizeLimit or cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Opens a regular file of at most kDataFileSizeLimit bytes for reading and tells its size;
// nullptr for anything else (folders, devices, pipes, missing or unreadable files).
std::FILE* OpenDataFile(const std::string& path, int64_t& size);
// Size of a regular file, or -1 when it cannot be opened.
int64_t FileSizeOf(const std::string& path);
// Writes at `offset` (-1: at the end) without truncating, creating the file when missing.
bool WriteAt(const std::string& path, const std::string& bytes, int64_t offset);
bool FileExists(const char* path);
// Cuts the file back to `size` bytes.
bool TruncateFile(const std::string& path, int64_t size);
// True when nothing is left at `path` (also when nothing was there).
bool DeleteFileIfPresent(const std::string& path);

// A file kept open across a run of record writes, with a large buffer: records are small and
// many. Closes itself; Close tells whether every write reached the disk.
class RecordWriter {
public:
    RecordWriter() = default;
    ~RecordWriter() { Close(); }
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    // Adds to the end of the file, creating it when missing.
    bool OpenToAppend(const std::string& path);
    // Starts a new, empty file in place of whatever was at the path.
    bool Create(const std::string& path);
    bool Write(const char* bytes, size_t size);
    bool Write(const std::string& bytes) { return Write(bytes.data(), bytes.size()); }
    // False when any write since the open failed or the data could not be flushed to the disk.
    bool Close();

private:
    bool Open(const std::string& path, const char* mode);

    std::FILE* m_file = nullptr;
    bool m_failed = false;
    std::vector<char> m_buffer;
};

// Puts `fresh` in the place of `target` in one step, replacing it when present. Both lie in
// the same folder, so a crash leaves either the old file or the new one, never a mixture.
bool ReplaceFileWith(const std::string& target, const std::string& fresh);
// The name a rewrite builds its new bytes under, beside the file it replaces.
std::string FreshFileName(const std::string& target);
// Writes `bytes` as the whole new content of `path` through a fresh file and ReplaceFileWith:
// a failure leaves the old file as it was (and no fresh file behind).
bool ReplaceFileContents(const std::string& path, const std::string& bytes);

// The system's part (FileOpen.cpp, FileOpen_win.cpp): a regular file opened for reading with
// its size, and data pushed through to the disk.
std::FILE* OpenRegularFile(const std::string& path, int64_t& size);
bool FlushToDisk(std::FILE* file);
