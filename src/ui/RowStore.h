#pragma once
// The rows behind a skinned list: per row the texts of its cells, the caller's item data and
// the check mark. The list control only shows these rows (it holds no copy of its own), so a
// list of the user's whole item list fills and sorts at the speed of plain vectors. A row that
// shows its owner's texts holds nothing but its data: no text of its own, no allocation.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The order of the rows' sort: byte-wise on unsigned bytes, upper case before lower case.
bool BytesBefore(std::string_view left, std::string_view right);

// The decimal text of a number, made once and kept while the program runs: a column that shows
// a row's position reads it from here instead of every row holding a copy.
const std::string& DecimalText(uintptr_t number);

class RowStore {
public:
    // Rows may read their first cells from their owner instead of holding copies of them: a
    // list that shows the whole item list then fills without copying a single text. The
    // source gets the row's data and a column; what it returns must outlive the row.
    using TextSource = std::function<const std::string&(uintptr_t data, size_t column)>;
    void SetTextSource(TextSource source, size_t columns);
    // Sourced rows may likewise take their icon from their owner, asked only when the row is
    // drawn; an image set on the row itself comes first.
    using ImageSource = std::function<int(uintptr_t data)>;
    void SetImageSource(ImageSource source) { m_imageSource = std::move(source); }

    size_t Count() const { return m_rows.size(); }
    bool Empty() const { return m_rows.empty(); }

    // Inserts a row with the text of its first cell; a row past the end is appended. Returns
    // the row's index.
    size_t Insert(size_t row, const std::string& text);
    // Inserts a row whose first cells come from the text source; they cannot be set.
    size_t InsertSourced(size_t row, uintptr_t data);
    // Replaces every row by sourced rows with these data, in this order.
    void AssignSourced(const std::vector<size_t>& data);
    bool Erase(size_t row);
    // Removes these rows (ascending, no repeats) in one pass; the others keep their order.
    void EraseRows(const std::vector<size_t>& rows);
    void Clear() { m_rows.clear(); }
    void Reserve(size_t rows) { m_rows.reserve(rows); }

    // Texts of cells that were never set read as empty.
    const std::string& Text(size_t row, size_t column) const;
    bool SetText(size_t row, size_t column, const std::string& text);
    uintptr_t Data(size_t row) const { return row < m_rows.size() ? m_rows[row].data : 0; }
    bool SetData(size_t row, uintptr_t data);
    bool Checked(size_t row) const { return row < m_rows.size() && m_rows[row].checked; }
    bool SetChecked(size_t row, bool checked);
    // The row's icon in the list's image list; -1 for none.
    int Image(size_t row) const;
    bool SetImage(size_t row, int image);
    void Swap(size_t first, size_t second);

    // Orders rows first..last (last inclusive, clamped to the end) by the bytes of their text
    // in `column`, case-sensitively. Rows with equal texts keep their order, in both
    // directions, which is exactly what repeated insertion by exchange gives. Returns false,
    // leaving the rows as they are, when the range is empty. `placeOf`, when given, receives
    // for every row (by its old index) the index it now has.
    bool Sort(size_t column, bool ascending, size_t first, size_t last, std::vector<size_t>* placeOf = nullptr);

private:
    static constexpr int kNoImage = -1;
    // The row's own cells are made when it first gets a text of its own, so a sourced row is a
    // few bytes that move cheaply when the rows are sorted.
    struct Row {
        std::unique_ptr<std::vector<std::string>> cells;
        uintptr_t data = 0;
        int image = kNoImage;
        bool ownImage = false;
        bool checked = false;
        bool sourced = false;
    };
    bool FromSource(const Row& row, size_t column) const { return row.sourced && column < m_sourceColumns; }
    std::vector<std::string>& CellsOf(Row& row);
    std::vector<Row> m_rows;
    TextSource m_source;
    size_t m_sourceColumns = 0;
    ImageSource m_imageSource;
    // The widest row so far: new rows reserve that many cells up front.
    size_t m_columnHint = 1;
};
