#pragma once
// Where the program finds its files, worked out once at start-up from the installation folder
// and handed to every window, so no window puts a file name together on its own.
#include <string>

struct InstallPaths {
    std::string folder;       // the installation folder, without a trailing backslash
    std::string itemsFile;    // "Shortcut2.dat"
    std::string catalogsFile; // "Shortcut2.clg"
    std::string textsFile;    // "TavimorethConfig.ini"
    std::string imagesFolder; // "Images", without a trailing backslash
    std::string dataFolder;   // "Data": the clipboard snapshots
    std::string settingsFile; // "Config.ini"

    static InstallPaths In(const std::string& folder);
    // A fresh snapshot's path: the data folder, the given identifier and ".stx".
    std::string SnapshotPath(const std::string& guid) const;
    std::string ImagePath(const std::string& fileName) const;
};
