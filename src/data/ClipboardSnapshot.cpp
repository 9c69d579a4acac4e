#include "data/ClipboardSnapshot.h"

#include "data/SnapshotFile.h"

#include <cstring>
#include <string>

namespace {

// A private format that the clipboard lists but that must not be replayed.
constexpr UINT kSkippedFormat = 49260;
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 20;

// Another program may hold the clipboard for a moment; a few short retries ride that out.
bool OpenClipboardFor(HWND owner)
{
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(kOpenRetryMs);
    }
    return false;
}

bool PathExists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool ReadFileBytes(const char* path, std::string& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) != FALSE && size.QuadPart < 0x7FFFFFFF;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() ||
             (ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size());
    }
    CloseHandle(file);
    return ok;
}

// Writes the new file beside the old one and swaps it in, so a failed write never leaves a
// half snapshot where a whole one was.
bool WriteFileBytes(const char* path, const std::string& bytes)
{
    const std::string fresh = std::string(path) + ".new";
    HANDLE file = CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    ok = ok && MoveFileExA(fresh.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        DeleteFileA(fresh.c_str());
    return ok;
}

// Formats that are not the clipboard's own memory data. A metafile picture block holds a GDI
// handle that means nothing once restored. Device-independent bitmaps listed after CF_BITMAP
// were rendered by the system from the bitmap handle (an application's own DIB comes first),
// and a bitmap handle has no place in the file.
bool IsStorable(UINT format, bool afterBitmapHandle)
{
    if (format == kSkippedFormat || format == CF_METAFILEPICT || format == CF_DSPMETAFILEPICT)
        return false;
    return !(afterBitmapHandle && (format == CF_DIB || format == CF_DIBV5));
}

// Appends the record of one format when its data is a memory block that fits a record.
void AppendFormat(UINT format, std::string& bytes)
{
    HANDLE data = GetClipboardData(format);
    const SIZE_T size = data ? GlobalSize(data) : 0;
    if (size == 0 || size > kSnapshotMaxDataSize)
        return;
    const void* source = GlobalLock(data);
    if (!source)
        return;
    EncodeSnapshotRecord(format, static_cast<const char*>(source), size, bytes);
    GlobalUnlock(data);
}

void HandToClipboard(const SnapshotRecord& record)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, record.data.size());
    if (!block)
        return;
    if (!record.data.empty()) {
        void* target = GlobalLock(block);
        if (!target) {
            GlobalFree(block);
            return;
        }
        std::memcpy(target, record.data.data(), record.data.size());
        GlobalUnlock(block);
    }
    // Once accepted the block is the clipboard's; a refused one is still ours to free.
    if (!SetClipboardData(record.format, block))
        GlobalFree(block);
}

} // namespace

int SaveClipboardSnapshot(HWND owner, const char* path)
{
    if (!OpenClipboardFor(owner))
        return 0;
    std::string bytes;
    bool afterBitmapHandle = false;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        if (IsStorable(format, afterBitmapHandle))
            AppendFormat(format, bytes);
        afterBitmapHandle = afterBitmapHandle || format == CF_BITMAP;
    }
    CloseClipboard();

    if (bytes.empty())
        DeleteFileA(path);
    else
        WriteFileBytes(path, bytes);
    return 1;
}

int RestoreClipboardSnapshot(HWND owner, const char* path)
{
    if (!PathExists(path))
        return 0;
    std::string bytes;
    ReadFileBytes(path, bytes);
    if (!OpenClipboardFor(owner))
        return 0;
    EmptyClipboard();
    for (const SnapshotRecord& record : ParseSnapshot(bytes).records)
        HandToClipboard(record);
    CloseClipboard();
    return 1;
}
