#pragma once
// The few file operations every data file goes through. Paths are the program's own narrow
// text (the system code page on Windows).
#include <cstdint>
#include <string>

// The whole file; false (and no bytes) when it is missing or cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Size of a file, or -1 when it cannot be opened.
int64_t FileSizeOf(const std::string& path);
// Writes at `offset` (-1: at the end) without truncating, creating the file when missing.
bool WriteAt(const std::string& path, const std::string& bytes, int64_t offset);
bool FileExists(const char* path);
bool DeleteFileIfPresent(const std::string& path);

// One shared handle kept open across a run of record writes.
bool AppendOpen(const std::string& path);
bool AppendWrite(const char* bytes, size_t size);
inline bool AppendWrite(const std::string& bytes)
{
    return AppendWrite(bytes.data(), bytes.size());
}
// False when any write since AppendOpen failed or the data could not be flushed.
bool AppendClose();

// Puts `fresh` in the place of `target` in one step, replacing it when present. Both lie in
// the same folder, so a crash leaves either the old file or the new one, never a mixture.
bool ReplaceFileWith(const std::string& target, const std::string& fresh);
// The name a rewrite builds its new bytes under, beside the file it replaces.
std::string FreshFileName(const std::string& target);
// Writes `bytes` as the whole new content of `path` through a fresh file and ReplaceFileWith:
// a failure leaves the old file as it was (and no fresh file behind).
bool ReplaceFileContents(const std::string& path, const std::string& bytes);
