#include "data/dialogs/ItemNames.h"

#include "data/CatalogsFile.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"

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

bool AcceptCatalogName(const std::string& name)
{
    if (name.empty()) {
        ShowTipMessage("CatalogEmpty");
        return false;
    }
    if (!IsStorableCatalogName(name)) {
        ShowTipMessage("CatalogNameInvalid");
        return false;
    }
    return true;
}
