#pragma once
// Drives the add-item dialog in-process (through HostDialog) and stands in for the main window
// that receives the item.
#include "DialogHost.h"
#include "WinTestSupport.h"
#include "data/dialogs/AddItemDlg.h"

#include <string>

// The catalogs file the tests start from: Tools (with Editors below it) and Games.
extern const char* const kToolsId;
extern const char* const kEditorsId;
extern const char* const kGamesId;
std::string SampleCatalogsText();

void SelectTreeNode(HWND dialog, const std::string& text);
void ClickButton(HWND dialog, int id);

#include "data/CatalogTree.h"
#include "data/ItemList.h"
#include "data/ReceiveItem.h"

// A window that owns data the way the main window does: an item list, a catalog tree loaded
// from the catalogs file, and a handler of the item-waiting message that receives the item.
class TestReceiver {
public:
    TestReceiver(const std::string& itemsPath, const std::string& catalogsPath);
    ~TestReceiver();
    TestReceiver(const TestReceiver&) = delete;
    TestReceiver& operator=(const TestReceiver&) = delete;

    HWND Hwnd() const { return m_window; }
    ItemList& Items() { return m_items; }
    CatalogTree& Model() { return m_model; }
    int Received() const { return m_received; }
    const ReceivedItem& Last() const { return m_last; }
    bool LastAdded() const { return m_lastAdded; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    std::string m_itemsPath;
    std::string m_catalogsPath;
    HWND m_window = nullptr;
    ItemList m_items;
    CatalogTree m_model;
    int m_received = 0;
    ReceivedItem m_last;
    bool m_lastAdded = false;
};
