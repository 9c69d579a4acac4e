#include "AddItemTestSupport.h"

#include "WinTestSupport.h"
#include "data/CatalogData.h"
#include "data/HandOff.h"
#include "data/ItemsFile.h"
#include "resource.h"

const char* const kToolsId = "AAAAAAAA-1111-4111-8111-000000000001";
const char* const kEditorsId = "BBBBBBBB-2222-4222-8222-000000000002";
const char* const kGamesId = "CCCCCCCC-3333-4333-8333-000000000003";

std::string SampleCatalogsText()
{
    const std::string root = kRootNodeId;
    return root + "|Tools|" + kToolsId + "|0,1\\" + kToolsId + "|Editors|" + kEditorsId + "|\\" + root + "|Games|" +
           kGamesId;
}

void SelectTreeNode(HWND dialog, const std::string& text)
{
    HWND tree = GetDlgItem(dialog, IDC_ADDITEM_TREE);
    TreeView_SelectItem(tree, FindTreeNode(tree, text));
}

void ClickButton(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

TestReceiver::TestReceiver(const std::string& itemsPath, const std::string& catalogsPath)
    : m_itemsPath(itemsPath), m_catalogsPath(catalogsPath)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &TestReceiver::WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TavTestReceiver";
    RegisterClassA(&windowClass);
    m_window = CreateWindowA("TavTestReceiver", "receiver", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                             windowClass.hInstance, nullptr);
    SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    LoadItems(m_itemsPath, m_items);
    LoadCatalogTree(m_catalogsPath, m_model);
}

TestReceiver::~TestReceiver()
{
    DestroyWindow(m_window);
}

LRESULT CALLBACK TestReceiver::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TestReceiver*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && msg == kItemWaitingMessage) {
        ShortcutItem item;
        std::string nodeId;
        self->m_lastAdded = TakeHandOffItem(item, nodeId);
        if (self->m_lastAdded)
            self->m_last = ReceiveItem(self->m_items, self->m_model, self->m_itemsPath, self->m_catalogsPath,
                                       std::move(item), nodeId);
        ++self->m_received;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
