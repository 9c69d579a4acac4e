#include "ui/TipText.h"

#include <windows.h>

#include <cstring>

std::string g_configPath;
std::string g_textSection = "TipMsgs";

namespace {
char g_textBuffer[2048];
}

const char* GetTipText(const char* key)
{
    std::memset(g_textBuffer, 0, sizeof(g_textBuffer));
    GetPrivateProfileStringA(g_textSection.c_str(), key, "", g_textBuffer, sizeof(g_textBuffer), g_configPath.c_str());
    return g_textBuffer;
}
