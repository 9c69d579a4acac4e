#pragma once
// Folders of an exchange: fresh private folders for packing and unpacking, made where no
// folder of the user's can be met, and their removal.
#include <string>

// A new, empty folder of this program's own below the system's temporary folder; empty
// when none could be made.
std::string MakePrivateFolder();
// Creates a folder with all its missing parents; true when it exists afterwards.
bool CreateFolderPath(const std::string& folder);
// Removes a folder with everything below it, read-only files too; sub-folders first.
void RemoveFolder(const std::string& folder);
bool FolderExists(const std::string& folder);
// "C:\x\Backup.trn": the folder "C:\x", the title "Backup", the file name "Backup.trn".
std::string FolderOfPath(const std::string& path);
std::string FileNameOfPath(const std::string& path);
std::string TitleOfPath(const std::string& path);
