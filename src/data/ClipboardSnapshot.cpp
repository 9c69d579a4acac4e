#include "data/ClipboardSnapshot.h"

#include "data/FileAccess.h"
#include "data/SnapshotFile.h"

#include <cstring>
#include <string>

namespace {

// A private format that the clipboard lists but that must not be replayed.
constexpr UINT kSkippedFormat = 49260;
constexpr int kOpenAttempts = 50;
constexpr DWORD kOpenRetryMs = 20;

// Another program may hold the clipboard for a moment (a clipboard viewer or the system's own
// clipboard synchronisation reads every change); short retries for up to a second ride that out.
bool OpenClipboardFor(HWND owner)
{
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(kOpenRetryMs);
    }
    return false;
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
        return kSnapshotNoClipboard;
    std::string bytes;
    bool afterBitmapHandle = false;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        if (IsStorable(format, afterBitmapHandle))
            AppendFormat(format, bytes);
        afterBitmapHandle = afterBitmapHandle || format == CF_BITMAP;
    }
    CloseClipboard();

    // Through a fresh file: a failed write never leaves half a snapshot where a whole one was.
    const bool written = bytes.empty() ? DeleteFileIfPresent(path) : ReplaceFileContents(path, bytes);
    return written ? 1 : kSnapshotNotWritten;
}

int RestoreClipboardSnapshot(HWND owner, const char* path)
{
    if (!FileExists(path))
        return 0;
    std::string bytes;
    ReadWholeFile(path, bytes);
    if (!OpenClipboardFor(owner))
        return 0;
    EmptyClipboard();
    for (const SnapshotRecord& record : ParseSnapshot(bytes).records)
        HandToClipboard(record);
    CloseClipboard();
    return 1;
}
