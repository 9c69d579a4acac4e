// The exchange window's moves: items from one side's list to the other's, catalog branches
// copied across, and the catalogs of each side added, renamed and deleted.
#include "exchange/ExchangeDlg.h"

#include "data/CatalogData.h"
#include "data/NewGuidString.h"
#include "data/TextTrim.h"
#include "data/dialogs/ItemNames.h"
#include "ui/wnd/DataExchange.h"
#include "ui/wnd/TreeViewCtrl.h"

#include <unordered_set>

bool CExchangeDlg::BlanksMovedRecords(bool fromProgram) const
{
    // Rows leaving the side that is saved take their records with them: an import removes
    // them from the program, an export from the file.
    return fromProgram == (m_mode == ImportMode);
}

void CExchangeDlg::MoveItems(bool fromProgram, bool all)
{
    CExchangeSide& source = fromProgram ? m_program : m_file;
    CExchangeSide& target = fromProgram ? m_file : m_program;
    const HTREEITEM selected = target.Selection();
    if (selected == nullptr) {
        ShowTipMessage("SelectCatalog");
        return;
    }
    if (selected == target.View().Root()) {
        ShowTipMessage("SelSubCatalog");
        return;
    }
    const std::vector<int> rows = CItemRows::ChosenRows(source.List(), all);
    if (rows.empty())
        return;
    // The records as the rows show them, taken before any of them is blanked.
    std::vector<ShortcutItem> records;
    for (int row : rows)
        records.push_back(source.RecordOfRow(row));
    if (BlanksMovedRecords(fromProgram)) {
        for (int row : rows)
            source.Items().Tombstone(source.Rows().ItemOfRow(row), false);
    }
    GuidPlacer placer(target.Items());
    for (ShortcutItem& record : records) {
        m_job.dataFiles.Add(record.ExePath);
        target.Rows().Append(placer.Place(std::move(record)));
    }
    source.List().DeleteRows(rows);
    if (all)
        return;
    // A record replaced in place may now be listed twice; its catalog holds it once.
    std::vector<size_t> members;
    std::unordered_set<size_t> listed;
    for (size_t index : target.Rows().RowItems()) {
        if (listed.insert(index).second)
            members.push_back(index);
    }
    const CatalogId catalog = target.SelectedCatalog();
    if (catalog != CatalogTree::kNone)
        target.Model().SetMembers(catalog, members);
}

void CExchangeDlg::CopyCatalogBranch(bool fromProgram, bool withItems)
{
    CExchangeSide& source = fromProgram ? m_program : m_file;
    CExchangeSide& target = fromProgram ? m_file : m_program;
    const CatalogId from = source.SelectedCatalog();
    const CatalogId parent = target.SelectedCatalog();
    if (from == CatalogTree::kNone || from == CatalogTree::kRoot || parent == CatalogTree::kNone)
        return;
    GuidPlacer placer(target.Items());
    CopyBranch(source, from, target, parent, withItems, placer);
    TreeView_Expand(target.Tree(), target.Selection(), TVE_EXPAND);
    // Records may have been replaced in place: the list shows them as they are now.
    target.ListCatalog(parent);
}

CatalogId CExchangeDlg::CopyBranch(CExchangeSide& source, CatalogId from, CExchangeSide& target, CatalogId parent,
                                   bool withItems, GuidPlacer& placer)
{
    std::string indexes;
    if (withItems) {
        for (size_t index : source.Model().Members(from, source.Items())) {
            ShortcutItem record = source.Items().At(index);
            m_job.dataFiles.Add(record.ExePath);
            record.Reserved.clear();
            indexes += (indexes.empty() ? "" : ",") + std::to_string(placer.Place(std::move(record)));
        }
    }
    const std::string nodeId = NewGuidString();
    const CatalogId copy =
        target.Pane().AddBelow(parent, source.Model().Name(from), indexes.empty() ? nodeId : nodeId + "|" + indexes);
    if (copy == CatalogTree::kNone)
        return copy;
    for (CatalogId child = source.Model().FirstChild(from); child != CatalogTree::kNone;
         child = source.Model().NextSibling(child))
        CopyBranch(source, child, target, copy, withItems, placer);
    return copy;
}

bool CExchangeDlg::TakeCatalogName(int nameId, std::string& name)
{
    ExchangeText(Hwnd(), nameId, name, true);
    name = TrimBlanks(name);
    return AcceptCatalogName(name);
}

void CExchangeDlg::AddCatalog(CExchangeSide& side, int nameId)
{
    std::string name;
    if (TakeCatalogName(nameId, name))
        side.Pane().Add(name, NewGuidString());
}

void CExchangeDlg::RenameCatalog(CExchangeSide& side, int nameId)
{
    std::string name;
    if (!TakeCatalogName(nameId, name))
        return;
    const CatalogId catalog = side.SelectedCatalog();
    if (catalog == CatalogTree::kRoot)
        return;
    if (catalog == CatalogTree::kNone) {
        ShowTipMessage("SelectCatalog");
        return;
    }
    side.Pane().Rename(catalog, name);
}

void CExchangeDlg::DeleteCatalog(CExchangeSide& side)
{
    const CatalogId catalog = side.SelectedCatalog();
    if (catalog == CatalogTree::kNone) {
        ShowTipMessage("SelectCatalog");
        return;
    }
    if (catalog == CatalogTree::kRoot)
        return;
    // Rows of items about to be deleted could still be moved: the list goes first.
    side.List().DeleteAllItems();
    DeleteCatalogItems(side, catalog);
    side.Model().Walk(catalog, [&](CatalogId below) { DeleteCatalogItems(side, below); });
    side.Pane().Remove(catalog);
}

void CExchangeDlg::DeleteCatalogItems(CExchangeSide& side, CatalogId catalog)
{
    for (long index : ReadIndexList(side.Model().IndexList(catalog))) {
        if (static_cast<size_t>(index) < side.Items().Count())
            side.Items().Tombstone(static_cast<size_t>(index), true);
    }
}

void CExchangeDlg::OnCatalogSelected(CExchangeSide& side, int nameId)
{
    const HTREEITEM node = side.Selection();
    if (node == nullptr)
        return;
    SetDlgItemTextA(Hwnd(), nameId, CTreeViewCtrl(side.Tree()).ItemText(node).c_str());
    side.ListCatalog(side.View().CatalogOf(node));
}

void CExchangeDlg::OnFind(CExchangeSide& side, int findId)
{
    std::string text;
    ExchangeText(Hwnd(), findId, text, true);
    const int row = CItemRows::FindRow(side.List(), text, 0, false);
    if (row >= 0)
        CItemRows::SelectOnly(side.List(), row);
}
