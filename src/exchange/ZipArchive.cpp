#include "exchange/ZipArchive.h"

#include "exchange/ExchangeFolders.h"
#include "ui/wnd/FolderEntries.h"

#include <windows.h>

#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <cstdio>
#include <memory>

namespace {
constexpr size_t kChunk = 256 * 1024;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

zip_fileinfo EntryInfo(const WIN32_FIND_DATAA& found)
{
    zip_fileinfo info{};
    FILETIME local{};
    WORD date = 0;
    WORD time = 0;
    if (FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) && FileTimeToDosDateTime(&local, &date, &time))
        info.dosDate = (static_cast<uLong>(date) << 16) | time;
    info.external_fa = found.dwFileAttributes;
    return info;
}

bool AddFile(zipFile zip, const std::string& path, const std::string& name, const WIN32_FIND_DATAA& found,
             std::vector<char>& buffer)
{
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    const zip_fileinfo info = EntryInfo(found);
    const bool large = found.nFileSizeHigh != 0;
    if (zipOpenNewFileInZip64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                              Z_DEFAULT_COMPRESSION, large ? 1 : 0) != ZIP_OK)
        return false;
    bool ok = true;
    for (;;) {
        const size_t read = std::fread(buffer.data(), 1, buffer.size(), file.get());
        if (read > 0 && zipWriteInFileInZip(zip, buffer.data(), static_cast<unsigned>(read)) != ZIP_OK) {
            ok = false;
            break;
        }
        if (read < buffer.size()) {
            ok = std::ferror(file.get()) == 0;
            break;
        }
    }
    return zipCloseFileInZip(zip) == ZIP_OK && ok;
}

// Entries in the order the folder walk meets them: each sub-folder's entry, then its contents.
bool AddFolder(zipFile zip, const std::string& folder, const std::string& prefix, std::vector<char>& buffer)
{
    return ForEachFolderEntry(folder, [&](const std::string& path, const WIN32_FIND_DATAA& found) {
        const std::string name = prefix + found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return AddFile(zip, path, name, found, buffer);
        const zip_fileinfo info = EntryInfo(found);
        return zipOpenNewFileInZip(zip, (name + "/").c_str(), &info, nullptr, 0, nullptr, 0, nullptr, 0, 0) == ZIP_OK &&
               zipCloseFileInZip(zip) == ZIP_OK && AddFolder(zip, path, name + "/", buffer);
    });
}

bool ExtractCurrent(unzFile zip, const std::string& target, std::vector<char>& buffer)
{
    if (unzOpenCurrentFile(zip) != UNZ_OK)
        return false;
    FileHandle file(std::fopen(target.c_str(), "wb"));
    bool ok = file != nullptr;
    while (ok) {
        const int read = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()));
        if (read < 0)
            ok = false;
        else if (read == 0)
            break;
        else
            ok = std::fwrite(buffer.data(), 1, static_cast<size_t>(read), file.get()) == static_cast<size_t>(read);
    }
    if (file && std::fclose(file.release()) != 0)
        ok = false;
    // The CRC check happens here: a damaged entry fails now.
    return unzCloseCurrentFile(zip) == UNZ_OK && ok;
}

bool ExtractEntry(unzFile zip, const std::string& baseFolder, std::vector<char>& buffer)
{
    char name[MAX_PATH * 2] = {};
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, name, sizeof(name), nullptr, 0, nullptr, 0) != UNZ_OK ||
        info.size_filename >= sizeof(name))
        return false;
    std::string entry = name;
    if (!IsSafeEntryName(entry))
        return false;
    for (char& c : entry) {
        if (c == '/')
            c = '\\';
    }
    const std::string target = baseFolder + "\\" + entry;
    if (entry.back() == '\\')
        return CreateFolderPath(target.substr(0, target.size() - 1));
    return CreateFolderPath(FolderOfPath(target)) && ExtractCurrent(zip, target, buffer);
}
} // namespace

bool IsSafeEntryName(const std::string& name)
{
    if (name.empty() || name[0] == '/' || name[0] == '\\' || name.find(':') != std::string::npos)
        return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of("/\\", start);
        if (end == std::string::npos)
            end = name.size();
        const std::string piece = name.substr(start, end - start);
        // Empty pieces ("a//b") would climb nowhere, but "." and ".." and names the system
        // trims to them ("... ") could.
        if (!piece.empty() && piece.find_first_not_of(". ") == std::string::npos)
            return false;
        start = end + 1;
    }
    return true;
}

bool ZipFolder(const std::string& folder, const std::string& zipPath)
{
    std::string source = folder;
    while (!source.empty() && source.back() == '\\')
        source.pop_back();
    if (source.empty() || zipPath.empty() || !FolderExists(source))
        return false;
    const std::string zipFolder = FolderOfPath(zipPath);
    if (!zipFolder.empty() && !CreateFolderPath(zipFolder))
        return false;
    zipFile zip = zipOpen64(zipPath.c_str(), APPEND_STATUS_CREATE);
    if (zip == nullptr)
        return false;
    std::vector<char> buffer(kChunk);
    const bool added = AddFolder(zip, source, FileNameOfPath(source) + "/", buffer);
    const bool closed = zipClose(zip, nullptr) == ZIP_OK;
    if (!added || !closed) {
        DeleteFileA(zipPath.c_str());
        return false;
    }
    return GetFileAttributesA(zipPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool UnzipAll(const std::string& zipPath, const std::string& baseFolder)
{
    if (zipPath.empty() || baseFolder.empty() || GetFileAttributesA(zipPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    if (!CreateFolderPath(baseFolder))
        return false;
    unzFile zip = unzOpen64(zipPath.c_str());
    if (zip == nullptr)
        return false;
    std::vector<char> buffer(kChunk);
    bool ok = true;
    for (int step = unzGoToFirstFile(zip); ok && step == UNZ_OK; step = unzGoToNextFile(zip))
        ok = ExtractEntry(zip, baseFolder, buffer);
    unzClose(zip);
    return ok;
}

std::vector<ZipEntry> ZipEntries(const std::string& zipPath)
{
    std::vector<ZipEntry> entries;
    unzFile zip = unzOpen64(zipPath.c_str());
    if (zip == nullptr)
        return entries;
    for (int step = unzGoToFirstFile(zip); step == UNZ_OK; step = unzGoToNextFile(zip)) {
        char name[MAX_PATH * 2] = {};
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof(name), nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        entries.push_back({name, info.compression_method == Z_DEFLATED});
    }
    unzClose(zip);
    return entries;
}
