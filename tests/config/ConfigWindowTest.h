#pragma once
// The configuration window under test, over a small item list in two catalogs.
#include "DialogHost.h"
#include "TempFolder.h"
#include "UserInput.h"
#include "WinTestSupport.h"
#include "config/ConfigDlg.h"
#include "data/CatalogData.h"
#include "data/ItemsFile.h"
#include "data/SharedItemList.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/Choosers.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The configuration window over Alpha, Beta, Gamma and Delta: CatA holds Alpha, Beta and Delta,
// CatB Gamma and Delta. Message boxes are recorded in m_messages and answered with m_answer.
class ConfigWindowTest : public testing::Test {
protected:
    static constexpr const char* kA = "AAAAAAAA-1111-4111-8111-000000000001";
    static constexpr const char* kB = "BBBBBBBB-2222-4222-8222-000000000002";

    void SetUp() override
    {
        g_configPath = DistFolder() + "\\TavimorethConfig.ini";
        m_paths = InstallPaths::In(DistFolder());
        m_paths.itemsFile = m_folder.File("Shortcut2.dat");
        m_paths.catalogsFile = m_folder.File("Shortcut2.clg");
        m_paths.dataFolder = m_folder.Path().string();
        g_itemList.Clear();
        for (const std::string name : {"Alpha", "Beta", "Gamma", "Delta"}) {
            ShortcutItem item;
            item.Name = name;
            item.ShortName = name.substr(0, 1);
            item.Description = name + " description";
            item.guid = "GUID-" + name;
            item.ExePath = "C:\\" + name + ".exe";
            g_itemList.Append(item);
        }
        SaveItems(m_paths.itemsFile, g_itemList);
        const std::string root = kRootNodeId;
        WriteBytes(m_paths.catalogsFile, root + "|CatA|" + kA + "|0,1,3\\" + root + "|CatB|" + kB + "|2,3");
        CApplication::SetMessageBoxResponder([this](const std::string& prompt, UINT) {
            m_messages.push_back(prompt);
            return m_answer;
        });
    }
    void TearDown() override
    {
        CApplication::SetMessageBoxResponder(nullptr);
        SetChooserAnswer(nullptr);
    }

    // Opens the window and runs `body` once it has loaded; the window is cancelled afterwards
    // unless the body closed it.
    void Run(const std::function<void(CConfigDlg&, HWND)>& body)
    {
        CConfigDlg dialog(nullptr, m_paths);
        dialog.DiscoverPrograms = m_programs;
        dialog.RunCommandsInTurn = m_runCommands;
        m_dialog = &dialog;
        HostDialog(dialog, [&](HWND hwnd) {
            ASSERT_TRUE(PumpUntil([&] { return dialog.IsLoaded(); }, 20000)) << "the window never loaded";
            body(dialog, hwnd);
            if (dialog.IsRunning())
                Click(IDC_CFG_CANCEL);
        });
        m_dialog = nullptr;
    }

    void Click(int id) { SendMessageA(m_dialog->Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Select(const std::string& catalog)
    {
        HWND tree = m_dialog->Item(IDC_CFG_TREE);
        HTREEITEM node = FindTreeNode(tree, catalog);
        ASSERT_NE(node, nullptr) << catalog;
        TreeView_SelectItem(tree, node);
    }
    // Selects the rows as a click on the first would, with the others held.
    void SelectRows(CSkinListCtrl& list, const std::vector<int>& rows)
    {
        list.ClearSelection();
        for (int row : rows)
            list.SelectRow(row);
        if (!rows.empty())
            SendMessageA(m_dialog->Hwnd(), CSkinListCtrl::kRowSelectedMessage, rows.front(),
                         reinterpret_cast<LPARAM>(list.Hwnd()));
    }
    void SelectRow(int row) { SelectRows(m_dialog->ItemRows(), {row}); }
    static std::vector<std::string> RowTexts(CSkinListCtrl& list)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < list.GetItemCount(); ++row)
            texts.push_back(list.GetItemText(row, 0));
        return texts;
    }
    std::vector<std::string> Names() { return RowTexts(m_dialog->ItemRows()); }
    // The items of a catalog as the window's own model has them.
    std::vector<std::string> MemberNames(const char* nodeId)
    {
        std::vector<std::string> names;
        const CatalogTree& model = m_dialog->Model();
        for (size_t index : model.Members(model.Find(nodeId), g_itemList))
            names.push_back(g_itemList.At(index).Name);
        return names;
    }
    static std::string Text(const char* key) { return GetTipText(key); }

    // As the user does it: a click on a catalog's node, on empty tree space, on a cell of the
    // item list or a list's heading (a double click on a row), and typing into a box after
    // selecting its text.
    void ClickNode(const std::string& text)
    {
        HWND tree = m_dialog->Item(IDC_CFG_TREE);
        HTREEITEM node = FindTreeNode(tree, text);
        ASSERT_NE(node, nullptr) << text;
        ClickAt(tree, NodePoint(tree, node));
        ASSERT_EQ(TreeText(tree, TreeView_GetSelection(tree)), text);
    }
    void ClickEmptyTreeSpace()
    {
        HWND tree = m_dialog->Item(IDC_CFG_TREE);
        ClickAt(tree, EmptyTreePoint(tree));
    }
    void ClickCell(int row, int column)
    {
        HWND list = m_dialog->ItemRows().Hwnd();
        ClickAt(list, CellPoint(list, row, column));
    }
    void ClickHeading(CSkinListCtrl& list, int column)
    {
        RECT rect{};
        Header_GetItemRect(list.Header().Hwnd(), column, &rect);
        ClickAt(list.Header().Hwnd(), POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }
    void DoubleClickItemRow(int row)
    {
        HWND list = m_dialog->ItemRows().Hwnd();
        DoubleClickAt(list, CellPoint(list, row, 0));
    }
    void TypeIntoBox(int id, const std::string& text)
    {
        HWND box = m_dialog->Item(id);
        SetFocus(box);
        SendMessageA(box, EM_SETSEL, 0, -1);
        TypeText(text);
    }
    void PressControl(int id) { PressButton(m_dialog->Item(id)); }

    TempFolder m_folder;
    InstallPaths m_paths;
    CConfigDlg::ProgramSource m_programs;
    CConfigDlg::CommandsRunner m_runCommands;
    CConfigDlg* m_dialog = nullptr;
    std::vector<std::string> m_messages;
    int m_answer = IDYES;
};
