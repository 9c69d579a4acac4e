#include "exchange/ExchangeSide.h"

void CExchangeSide::Attach(HWND dialog, int treeId, int listId, HIMAGELIST images, const std::string& installFolder)
{
    m_pane.Attach(dialog, treeId, images);
    m_pane.Tree().VerticalBar().AttachImages(installFolder);
    m_pane.Tree().HorizontalBar().AttachImages(installFolder);
    // Only the name shows; the other columns carry what a move takes along.
    const CItemRows::Column columns[] = {
        {"NameTitle_01", true, 310},  {"ShortNameTitle_01", true, 0},   {"Hotkey1Title_01", true, 0},
        {"Hotkey2Title_01", true, 0}, {"DescriptionTitle_01", true, 0}, {"guid", false, 0},
        {"Index", false, 0}};
    m_rows.Attach(dialog, listId, installFolder, columns, LVCFMT_CENTER);
    m_rows.List().SetSortOnHeaderClick(true);
    // None of the columns can be widened or reordered.
    m_rows.List().SetResizeLimit(0);
}

void CExchangeSide::ListCatalog(CatalogId catalog)
{
    m_pane.SetListed(catalog);
    m_rows.Show(m_pane.Members(m_pane.Listed()));
}

ShortcutItem CExchangeSide::RecordOfRow(int row) const
{
    ShortcutItem record = m_items.At(m_rows.ItemOfRow(row));
    record.Reserved.clear();
    record.State = "0";
    return record;
}
