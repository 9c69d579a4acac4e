#include "ui/RowStore.h"

#include <algorithm>
#include <numeric>

namespace {
const std::string kEmpty;
}

size_t RowStore::Insert(size_t row, const std::string& text)
{
    row = std::min(row, m_rows.size());
    Row added;
    added.cells.push_back(text);
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(row), std::move(added));
    return row;
}

bool RowStore::Erase(size_t row)
{
    if (row >= m_rows.size())
        return false;
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    return true;
}

const std::string& RowStore::Text(size_t row, size_t column) const
{
    if (row >= m_rows.size() || column >= m_rows[row].cells.size())
        return kEmpty;
    return m_rows[row].cells[column];
}

bool RowStore::SetText(size_t row, size_t column, const std::string& text)
{
    if (row >= m_rows.size())
        return false;
    std::vector<std::string>& cells = m_rows[row].cells;
    if (column >= cells.size())
        cells.resize(column + 1);
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

bool RowStore::SetImage(size_t row, int image)
{
    if (row >= m_rows.size())
        return false;
    m_rows[row].image = image;
    return true;
}

void RowStore::Swap(size_t first, size_t second)
{
    if (first < m_rows.size() && second < m_rows.size())
        std::swap(m_rows[first], m_rows[second]);
}

bool RowStore::Sort(size_t column, bool ascending, size_t first, size_t last)
{
    if (m_rows.empty())
        return false;
    last = std::min(last, m_rows.size() - 1);
    if (first > last)
        return false;
    std::vector<size_t> order(last - first + 1);
    std::iota(order.begin(), order.end(), first);
    // std::string compares its bytes as unsigned char, so double-byte characters and upper
    // before lower case come out as a byte-wise comparison of the text gives them.
    auto before = [&](size_t a, size_t b) {
        const std::string& left = Text(a, column);
        const std::string& right = Text(b, column);
        return ascending ? left.compare(right) < 0 : right.compare(left) < 0;
    };
    std::stable_sort(order.begin(), order.end(), before);
    std::vector<Row> sorted;
    sorted.reserve(order.size());
    for (size_t index : order)
        sorted.push_back(std::move(m_rows[index]));
    std::move(sorted.begin(), sorted.end(), m_rows.begin() + static_cast<std::ptrdiff_t>(first));
    return true;
}
