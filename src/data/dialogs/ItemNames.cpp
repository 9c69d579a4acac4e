#include "data/dialogs/ItemNames.h"

#include "ui/TipText.h"
#include "ui/wnd/Application.h"

std::string TrimItemText(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

void ShowTipMessage(const char* key)
{
    const std::string text = GetTipText(key);
    AppMessageBox(text.c_str(), MB_OK | MB_ICONINFORMATION);
}

bool AcceptItemName(const std::string& name)
{
    if (name.empty()) {
        ShowTipMessage("NameEmpty");
        return false;
    }
    if (name[0] == '+') {
        ShowTipMessage("ReservedNameWord");
        return false;
    }
    return true;
}
