#pragma once
// The selection and focus of an owner-data list view. Such a list keeps nothing of its rows but
// their states, and its own ways of walking them ask every row in turn, one message and one
// repaint each: with the whole item list shown that is 100,000 of them. These take the short
// way where there is one (the usual single selection is the focused row; many selected rows
// are cleared at once), and put the selection back where rows stand after many rows went.
#include <windows.h>

#include <vector>

class CListSelection {
public:
    // Up to this many rows are cleared or deleted one by one rather than all at once.
    static constexpr LRESULT kFewRows = 64;

    void SetList(HWND list) { m_list = list; }

    // The first selected row after `after` (-1: from the start), or -1.
    int Next(int after) const;
    std::vector<int> All() const;
    int Focused() const;
    // Selects (and focuses) a row, or takes both from it.
    void Select(int row, bool select) const;
    void Clear() const;
    // The rows and focus once the `removed` rows (ascending, no repeats) are gone: each row of
    // `selected` that stays is selected again where it now stands, and so is the focus.
    void RestoreAfterRemoval(const std::vector<int>& selected, int focused, const std::vector<int>& removed) const;

    // The list view keeps its selection, focus and selection mark on places; across a sort they
    // belong to the rows, or whatever acts on "the selected row" next would act on another item.
    struct Places {
        std::vector<char> selected;
        int focused = -1;
        int mark = -1;
    };
    Places Take(size_t rows) const;
    // `placeOf[row]` is where the row that stood at `row` stands now.
    void RestoreAfterSort(const Places& before, const std::vector<size_t>& placeOf) const;

private:
    void SetState(int row, UINT state, UINT mask) const;

    HWND m_list = nullptr;
};
