#include "data/NewGuidString.h"

#include "data/GuidText.h"

#include <objbase.h>
#include <windows.h>

#include <cstring>

const char* NewGuidString()
{
    static char s_text[37] = "";
    HRESULT init = CoInitialize(nullptr);
    GUID guid{};
    if (SUCCEEDED(CoCreateGuid(&guid))) {
        std::string text = FormatGuidText(guid.Data1, guid.Data2, guid.Data3, guid.Data4);
        std::memcpy(s_text, text.c_str(), sizeof(s_text));
    }
    if (SUCCEEDED(init))
        CoUninitialize();
    return s_text;
}
