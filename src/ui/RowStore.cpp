#include "ui/RowStore.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace {
const std::string kEmpty;
} // namespace

// Byte-wise, as unsigned bytes, so double-byte characters sort after ASCII and upper case
// before lower case. Written out because most keys differ in their first bytes and the C
// library's memcmp is a call away on some runtimes.
bool BytesBefore(std::string_view left, std::string_view right)
{
    const size_t common = std::min(left.size(), right.size());
    const auto* a = reinterpret_cast<const unsigned char*>(left.data());
    const auto* b = reinterpret_cast<const unsigned char*>(right.data());
    for (size_t i = 0; i < common; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i];
    }
    return left.size() < right.size();
}

const std::string& DecimalText(uintptr_t number)
{
    // Only the numbers of rows that are drawn or read come here; the map keeps its texts in
    // place as it grows.
    static std::unordered_map<uintptr_t, std::string> texts;
    auto [found, added] = texts.try_emplace(number);
    if (added)
        found->second = std::to_string(number);
    return found->second;
}

size_t RowStore::Insert(size_t row, const std::string& text)
{
    row = std::min(row, m_rows.size());
    Row added;
    CellsOf(added).push_back(text);
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(row), std::move(added));
    return row;
}

void RowStore::SetTextSource(TextSource source, size_t columns)
{
    m_source = std::move(source);
    m_sourceColumns = m_source ? columns : 0;
}

size_t RowStore::InsertSourced(size_t row, uintptr_t data)
{
    row = std::min(row, m_rows.size());
    Row added;
    added.data = data;
    added.sourced = true;
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(row), std::move(added));
    return row;
}

void RowStore::AssignSourced(const std::vector<size_t>& data)
{
    m_rows.clear();
    m_rows.resize(data.size());
    for (size_t row = 0; row < data.size(); ++row) {
        m_rows[row].data = data[row];
        m_rows[row].sourced = true;
    }
}

std::vector<std::string>& RowStore::CellsOf(Row& row)
{
    if (!row.cells) {
        row.cells = std::make_unique<std::vector<std::string>>();
        row.cells->reserve(m_columnHint);
    }
    return *row.cells;
}

bool RowStore::Erase(size_t row)
{
    if (row >= m_rows.size())
        return false;
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    return true;
}

void RowStore::EraseRows(const std::vector<size_t>& rows)
{
    size_t kept = 0;
    size_t next = 0;
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (next < rows.size() && rows[next] == row) {
            ++next;
            continue;
        }
        if (kept != row)
            m_rows[kept] = std::move(m_rows[row]);
        ++kept;
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(kept), m_rows.end());
}

const std::string& RowStore::Text(size_t row, size_t column) const
{
    if (row >= m_rows.size())
        return kEmpty;
    const Row& stored = m_rows[row];
    if (FromSource(stored, column))
        return m_source(stored.data, column);
    return stored.cells && column < stored.cells->size() ? (*stored.cells)[column] : kEmpty;
}

bool RowStore::SetText(size_t row, size_t column, const std::string& text)
{
    if (row >= m_rows.size() || FromSource(m_rows[row], column))
        return false;
    std::vector<std::string>& cells = CellsOf(m_rows[row]);
    if (column >= cells.size()) {
        cells.resize(column + 1);
        m_columnHint = std::max(m_columnHint, cells.size());
    }
    cells[column] = text;
    return true;
}

bool RowStore::SetData(size_t row, uintptr_t data)
{
    if (row >= m_rows.size())
        return false;
    m_rows[row].data = data;
    return true;
}

bool RowStore::SetChecked(size_t row, bool checked)
{
    if (row >= m_rows.size())
        return false;
    m_rows[row].checked = checked;
    return true;
}

int RowStore::Image(size_t row) const
{
    if (row >= m_rows.size())
        return kNoImage;
    const Row& stored = m_rows[row];
    if (stored.sourced && !stored.ownImage && m_imageSource)
        return m_imageSource(stored.data);
    return stored.image;
}

bool RowStore::SetImage(size_t row, int image)
{
    if (row >= m_rows.size())
        return false;
    m_rows[row].image = image;
    m_rows[row].ownImage = true;
    return true;
}

void RowStore::Swap(size_t first, size_t second)
{
    if (first < m_rows.size() && second < m_rows.size())
        std::swap(m_rows[first], m_rows[second]);
}

bool RowStore::Sort(size_t column, bool ascending, size_t first, size_t last, std::vector<size_t>* placeOf)
{
    if (m_rows.empty())
        return false;
    last = std::min(last, m_rows.size() - 1);
    if (first > last)
        return false;
    // Sort (key, row) pairs: the keys are looked up once, not on every comparison.
    std::vector<std::pair<const std::string*, size_t>> order;
    order.reserve(last - first + 1);
    for (size_t row = first; row <= last; ++row)
        order.emplace_back(&Text(row, column), row);
    auto before = [ascending](const auto& a, const auto& b) {
        return ascending ? BytesBefore(*a.first, *b.first) : BytesBefore(*b.first, *a.first);
    };
    std::stable_sort(order.begin(), order.end(), before);
    if (placeOf) {
        placeOf->resize(m_rows.size());
        std::iota(placeOf->begin(), placeOf->end(), size_t{0});
        for (size_t i = 0; i < order.size(); ++i)
            (*placeOf)[order[i].second] = first + i;
    }
    std::vector<Row> sorted;
    sorted.reserve(order.size());
    for (const auto& entry : order)
        sorted.push_back(std::move(m_rows[entry.second]));
    std::move(sorted.begin(), sorted.end(), m_rows.begin() + static_cast<std::ptrdiff_t>(first));
    return true;
}
