#pragma once
// Registry keys, Start menu shortcuts and folders that a test creates and removes again.
#include <windows.h>

#include <string>
#include <vector>

// Keys written below HKEY_CLASSES_ROOT; every top key given is deleted with its tree at the end.
class ClassKeys {
public:
    ~ClassKeys();
    void SetValue(const std::string& key, const std::string& name, const std::string& value, DWORD type = REG_SZ);

private:
    std::vector<std::string> m_created;
};

// A folder created for the test (with its parents) and removed with everything in it. A folder
// that was there before is someone's own (tests also run on real Windows): it is left alone and
// the test skips.
class OwnedFolder {
public:
    explicit OwnedFolder(std::string path);
    ~OwnedFolder();
    const std::string& Path() const { return m_path; }
    bool Owned() const { return m_owned; }
    // Puts a folder built elsewhere in this one's place. Links are made outside the Start menu
    // and moved in, as an installer's files arrive: Wine would start its menu builder for every
    // link saved inside it.
    bool MoveIn(const std::string& staged);

private:
    std::string m_path;
    std::string m_top;
    bool m_owned = false;
};

// Writes a shell link; creates the folders on the way.
bool CreateShortcut(const std::string& linkPath, const std::string& target, const std::string& arguments = "");
