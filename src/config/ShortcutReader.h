#pragma once
// Reads the command of shell link files through one shortcut object, created on the calling
// thread (COM must be initialised there) and used for a whole Start menu walk.
#include <windows.h>

#include <shlobj.h>

#include <string>

class ShortcutReader {
public:
    ShortcutReader();
    ~ShortcutReader();
    ShortcutReader(const ShortcutReader&) = delete;
    ShortcutReader& operator=(const ShortcutReader&) = delete;

    bool Ready() const { return m_link && m_file; }
    // The target in short form, then, when the link has an argument field, a blank and the
    // arguments. An installer-managed program's shortcut gives the program its icon belongs to.
    // A damaged file is never handed to the link object.
    bool Resolve(const std::string& linkPath, std::string& command);

private:
    std::string LongTarget() const;

    IShellLinkA* m_link = nullptr;
    IPersistFile* m_file = nullptr;
};

// The program registered for an installer's icon file: the LocalServer32 command of the first
// class whose DefaultIcon names that file; empty when none does.
std::string LookupInstallerIconProgram(const std::string& iconPath);
