#pragma once
// The names by which the shell and the registry know the extension.
#include <windows.h>

#include <string>

// {42FCF700-3A16-466E-8658-E137F2A98750}
inline constexpr CLSID kShellExtClsid = {0x42fcf700, 0x3a16, 0x466e, {0x86, 0x58, 0xe1, 0x37, 0xf2, 0xa9, 0x87, 0x50}};

// The handler's key name under ContextMenuHandlers and the class's description.
constexpr char kShellExtName[] = "Tavimoreth";
// The language-independent name of the one command, for callers that invoke by verb.
constexpr char kShellExtVerb[] = "AddToTavimoreth";
constexpr wchar_t kShellExtVerbW[] = L"AddToTavimoreth";
// The key of the menu text in the program's text file.
constexpr char kShellExtMenuKey[] = "ExplorerAddMenu";

// The class id as the registry writes it: "{42FCF700-...}".
inline std::string ClsidText()
{
    wchar_t wide[40] = {};
    StringFromGUID2(kShellExtClsid, wide, 40);
    char text[40] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}
