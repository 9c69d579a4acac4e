#include "data/ItemsReader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
constexpr size_t kChunkSize = 256 * 1024;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
} // namespace

ItemsReader::ItemsReader(const char* data, size_t size) : m_data(data), m_size(size)
{
}

ItemsReader::ItemsReader(std::FILE* file) : m_file(file), m_chunk(kChunkSize), m_data(m_chunk.data())
{
}

bool ItemsReader::Ensure(size_t count)
{
    if (Available() >= count)
        return true;
    if (m_file == nullptr)
        return false;
    // Keep the unread tail, then fill the chunk from the file.
    size_t kept = Available();
    if (m_chunk.size() < count)
        m_chunk.resize(std::max(count, kChunkSize));
    std::memmove(m_chunk.data(), m_data + m_pos, kept);
    m_base += static_cast<int64_t>(m_pos);
    m_data = m_chunk.data();
    m_pos = 0;
    m_size = kept;
    while (m_size < count) {
        size_t got = std::fread(m_chunk.data() + m_size, 1, m_chunk.size() - m_size, m_file);
        if (got == 0)
            break;
        m_size += got;
    }
    return m_size >= count;
}

void ItemsReader::Fail(int64_t offset, std::string text)
{
    m_failed = true;
    m_problems.push_back({offset, std::move(text)});
}

bool ItemsReader::ReadHeader()
{
    if (!Ensure(kHeaderSize + 1)) {
        size_t size = Available();
        if (size > 0)
            m_editingFlag = static_cast<unsigned char>(m_data[m_pos]);
        // A lone flag byte is what a save of an empty list leaves; anything else this short is cut.
        if (size > 1 && size < kHeaderSize)
            Fail(0, "header cut short: " + std::to_string(size) + " of 116 bytes");
        m_failed = true;
        return false;
    }
    m_editingFlag = static_cast<unsigned char>(m_data[m_pos]);
    const char* count = m_data + m_pos + 100;
    m_headerCount = 0;
    for (int i = 0; i < 16 && m_headerCount >= 0; ++i)
        m_headerCount = IsDigit(count[i]) ? m_headerCount * 10 + (count[i] - '0') : -1;
    m_pos += kHeaderSize;
    m_recordEnd = Offset();
    return true;
}

bool ItemsReader::ReadField(std::string& field, int position, int64_t recordStart)
{
    auto where = [&] {
        return "record at " + std::to_string(recordStart) + ", field " + ShortcutItem::FieldName(position);
    };
    if (!Ensure(4)) {
        Fail(Offset(), where() + ": cut short in its length");
        return false;
    }
    const char* slot = m_data + m_pos;
    if (!IsDigit(slot[0]) || !IsDigit(slot[1]) || !IsDigit(slot[2]) || !IsDigit(slot[3])) {
        Fail(Offset(), where() + ": length is not four digits");
        return false;
    }
    size_t length =
        static_cast<size_t>((slot[0] - '0') * 1000 + (slot[1] - '0') * 100 + (slot[2] - '0') * 10 + (slot[3] - '0'));
    if (!Ensure(4 + length)) {
        Fail(Offset(), where() + ": cut short, " + std::to_string(length) + " bytes announced, " +
                           std::to_string(Available() - 4) + " present");
        return false;
    }
    field.assign(m_data + m_pos + 4, length);
    m_pos += 4 + length;
    return true;
}

bool ItemsReader::Next(ShortcutItem& item)
{
    if (m_failed || !Ensure(1))
        return false;
    int64_t start = Offset();
    for (int i = 0; i < ShortcutItem::kFieldCount; ++i) {
        if (!ReadField(item.Field(i), i, start))
            return false;
    }
    m_recordEnd = Offset();
    return true;
}
