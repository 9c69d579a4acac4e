#include "config/ShortcutReader.h"

#include "config/OpenCommand.h"
#include "config/RegistryKey.h"
#include "config/ShellLinkBytes.h"
#include "config/SystemText.h"
#include "data/FileAccess.h"

#include <vector>

ShortcutReader::ShortcutReader()
{
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&m_link))))
        return;
    m_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&m_file));
}

ShortcutReader::~ShortcutReader()
{
    if (m_file)
        m_file->Release();
    if (m_link)
        m_link->Release();
}

bool ShortcutReader::Resolve(const std::string& linkPath, std::string& command)
{
    command.clear();
    std::string bytes;
    const int64_t size = FileSizeOf(linkPath);
    if (!Ready() || size < 0 || size > int64_t(kShellLinkSizeLimit) || !ReadWholeFile(linkPath, bytes) ||
        !IsWholeShellLink(bytes))
        return false;
    wchar_t widePath[MAX_PATH] = {};
    if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) == 0)
        return false;
    if (FAILED(m_file->Load(widePath, STGM_READ)))
        return false;
    char target[MAX_PATH] = {};
    if (FAILED(m_link->GetPath(target, MAX_PATH, nullptr, SLGP_SHORTPATH)))
        return false;
    command = target;
    char arguments[MAX_PATH] = {};
    if (SUCCEEDED(m_link->GetArguments(arguments, MAX_PATH)))
        command += std::string(" ") + arguments;
    char description[MAX_PATH] = {};
    if (FAILED(m_link->GetDescription(description, MAX_PATH)))
        return false;
    // The short form of "Installer" is "INSTAL~1": the test and the lookup need the long one.
    const std::string longTarget = LongTarget();
    if (IsInstallerIconTarget(longTarget))
        command = LookupInstallerIconProgram(longTarget);
    return true;
}

std::string ShortcutReader::LongTarget() const
{
    char target[MAX_PATH] = {};
    if (FAILED(m_link->GetPath(target, MAX_PATH, nullptr, 0)))
        return "";
    // A link may store the short form itself.
    char longPath[MAX_PATH] = {};
    const DWORD length = GetLongPathNameA(target, longPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? longPath : target;
}

std::string LookupInstallerIconProgram(const std::string& iconPath)
{
    const std::string wanted = LowerCaseAnsi(iconPath);
    RegistryKey classes(HKEY_CLASSES_ROOT);
    if (!classes.Open("CLSID"))
        return "";
    std::vector<std::string> classIds;
    classes.EnumSubkeys(classIds);
    for (const std::string& classId : classIds) {
        RegistryKey icon(HKEY_CLASSES_ROOT);
        std::string iconValue;
        if (!icon.Open("CLSID\\" + classId + "\\DefaultIcon") || !icon.ReadString("", iconValue))
            continue;
        if (LowerCaseAnsi(iconValue).find(wanted) == std::string::npos)
            continue;
        RegistryKey server(HKEY_CLASSES_ROOT);
        std::string program;
        if (server.Open("CLSID\\" + classId + "\\LocalServer32") && server.ReadString("", program))
            return program;
    }
    return "";
}
