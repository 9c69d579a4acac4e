#include "data/InstallPaths.h"

InstallPaths InstallPaths::In(const std::string& folder)
{
    InstallPaths paths;
    paths.folder = folder;
    paths.itemsFile = folder + "\\Shortcut2.dat";
    paths.catalogsFile = folder + "\\Shortcut2.clg";
    paths.textsFile = folder + "\\TavimorethConfig.ini";
    paths.imagesFolder = folder + "\\Images";
    paths.dataFolder = folder + "\\Data";
    paths.settingsFile = folder + "\\Config.ini";
    return paths;
}

std::string InstallPaths::SnapshotPath(const std::string& guid) const
{
    return dataFolder + "\\" + guid + ".stx";
}

std::string InstallPaths::ImagePath(const std::string& fileName) const
{
    return imagesFolder + "\\" + fileName;
}
