#pragma once
// Reads the records of an items file one by one, from memory or streamed from an open file,
// never past the end of the data. Damage (a record cut short, a length slot that is not four
// digits) ends the reading; what came before it stays good.
#include "data/DataProblem.h"
#include "data/ShortcutItem.h"

#include <cstdint>
#include <cstdio>
#include <vector>

class ItemsReader {
public:
    static constexpr size_t kHeaderSize = 116;

    ItemsReader(const char* data, size_t size);
    explicit ItemsReader(std::FILE* file);
    ItemsReader(const ItemsReader&) = delete;
    ItemsReader& operator=(const ItemsReader&) = delete;

    // Reads the header. False when the data holds no records (116 bytes or fewer).
    bool ReadHeader();
    // The next whole record; false at the end of the data or at damage.
    bool Next(ShortcutItem& item);

    int EditingFlag() const { return m_editingFlag; }
    // The header's record count when it is all digits, else -1. Informative only.
    int64_t HeaderCount() const { return m_headerCount; }
    // Offset just past the last whole record.
    const std::vector<DataProblem>& Problems() const { return m_problems; }

private:
    bool Ensure(size_t count);
    size_t Available() const { return m_size - m_pos; }
    int64_t Offset() const { return m_base + static_cast<int64_t>(m_pos); }
    bool ReadField(std::string& field, int position, int64_t recordStart);
    void Fail(int64_t offset, std::string text);

    std::FILE* m_file = nullptr;
    std::vector<char> m_chunk;
    const char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_pos = 0;
    int64_t m_base = 0;
    bool m_failed = false;
    int m_editingFlag = -1;
    int64_t m_headerCount = -1;
    int64_t m_recordEnd = 0;
    std::vector<DataProblem> m_problems;
};
