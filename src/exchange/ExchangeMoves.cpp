// The exchange window's moves: items from one side's list to the other's, catalog branches
// copied across, and the catalogs of each side added, renamed and deleted.
#include "exchange/ExchangeDlg.h"

#include "data/CatalogData.h"
#include "data/CatalogsFile.h"
#include "data/NewGuidString.h"
#include "data/TextTrim.h"
#include "data/dialogs/ItemNames.h"
#include "resource.h"
#include "ui/wnd/DataExchange.h"

#include <algorithm>

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
    std::vector<int> rows;
    CSkinListCtrl& list = source.List();
    if (all) {
        for (int row = list.GetItemCount(); row-- > 0;)
            rows.push_back(row);
    } else {
        for (int row = list.GetFirstSelected(); row >= 0; row = list.GetNextSelected(row))
            rows.push_back(row);
    }
    if (rows.empty())
        return;
    if (BlanksMovedRecords(fromProgram)) {
        for (int row : rows) {
            const size_t index = source.IndexOfRow(row);
            if (index < source.Items().Count())
                source.Items().Tombstone(index, false);
        }
    }
    GuidPlacer placer(target.Items());
    for (int row : rows) {
        ShortcutItem record = source.RecordOfRow(row);
        const int added = target.AppendRow(record, 0);
        m_job.dataFiles.Add(record.ExePath);
        target.SetIndexOfRow(added, placer.Place(std::move(record)));
    }
    std::sort(rows.begin(), rows.end());
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        list.DeleteItem(*row);
    if (!all) {
        const CatalogId catalog = target.SelectedCatalog();
        if (catalog != CatalogTree::kNone)
            target.Model().SetMembers(catalog, target.RowIndexes());
    }
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
        target.Model().Add(parent, source.Model().Name(from), indexes.empty() ? nodeId : nodeId + "|" + indexes);
    if (copy == CatalogTree::kNone)
        return copy;
    target.View().ShowAdded(copy);
    TreeView_Expand(target.Tree(), target.View().NodeOf(parent), TVE_EXPAND);
    for (CatalogId child = source.Model().FirstChild(from); child != CatalogTree::kNone;
         child = source.Model().NextSibling(child))
        CopyBranch(source, child, target, copy, withItems, placer);
    return copy;
}

void CExchangeDlg::AddCatalog(CExchangeSide& side, int nameId)
{
    std::string name;
    ExchangeText(Hwnd(), nameId, name, true);
    name = TrimBlanks(name);
    if (name.empty()) {
        ShowTipMessage("CatalogEmpty");
        return;
    }
    CatalogId parent = side.SelectedCatalog();
    if (parent == CatalogTree::kNone)
        parent = CatalogTree::kRoot;
    const CatalogId added = side.Model().Add(parent, name, NewGuidString());
    if (added == CatalogTree::kNone)
        return;
    side.View().ShowAdded(added);
    TreeView_Expand(side.Tree(), side.View().NodeOf(parent), TVE_EXPAND);
}

void CExchangeDlg::RenameCatalog(CExchangeSide& side, int nameId)
{
    std::string name;
    ExchangeText(Hwnd(), nameId, name, true);
    name = TrimBlanks(name);
    if (name.empty()) {
        ShowTipMessage("CatalogEmpty");
        return;
    }
    const CatalogId catalog = side.SelectedCatalog();
    if (catalog == CatalogTree::kRoot)
        return;
    if (catalog == CatalogTree::kNone) {
        ShowTipMessage("SelectCatalog");
        return;
    }
    side.Model().Rename(catalog, name);
    side.View().ShowRenamed(catalog);
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
    side.Model().Remove(catalog);
    side.View().ShowRemoved(catalog);
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
    char text[512] = {};
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    TreeView_GetItem(side.Tree(), &item);
    SetDlgItemTextA(Hwnd(), nameId, text);
    side.ListCatalog(side.View().CatalogOf(node));
}

void CExchangeDlg::OnFind(CExchangeSide& side, int findId)
{
    std::string text;
    ExchangeText(Hwnd(), findId, text, true);
    if (!text.empty())
        side.FindRow(text);
}
