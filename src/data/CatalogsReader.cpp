#include "data/CatalogsReader.h"

#include <cstring>

namespace {
enum ByteClass : unsigned char { kPlain, kLead, kBar, kRecordEnd };

std::array<unsigned char, 256> ClassesOf(const LeadBytes& lead)
{
    std::array<unsigned char, 256> classes{};
    for (unsigned c = 0; c < 256; ++c)
        classes[c] = lead.IsLead(static_cast<unsigned char>(c)) ? kLead : kPlain;
    classes[static_cast<unsigned char>('|')] = kBar;
    classes[static_cast<unsigned char>('\\')] = kRecordEnd;
    return classes;
}
} // namespace

std::string CatalogRecord::CatalogData() const
{
    if (fieldCount < 3)
        return std::string();
    std::string data;
    // Sized at once: a loaded tree keeps this text for every catalog.
    data.reserve(nodeId.size() + (fieldCount >= 4 ? 1 + indexList.size() : 0));
    data = nodeId;
    if (fieldCount >= 4) {
        data += '|';
        data += indexList;
    }
    return data;
}

CatalogsReader::CatalogsReader(const char* data, size_t size, const LeadBytes& lead)
    : m_class(ClassesOf(lead)), m_data(data), m_size(size)
{
}

CatalogsReader::CatalogsReader(std::FILE* file, const LeadBytes& lead, size_t chunkSize)
    : m_class(ClassesOf(lead)), m_file(file), m_chunk(chunkSize < 2 ? 2 : chunkSize), m_data(m_chunk.data()),
      m_atEnd(false)
{
}

bool CatalogsReader::Refill()
{
    if (m_atEnd)
        return false;
    // Keep the unread tail at the front; grow when one record fills the whole chunk.
    size_t kept = m_size - m_pos;
    std::memmove(m_chunk.data(), m_data + m_pos, kept);
    if (kept == m_chunk.size())
        m_chunk.resize(m_chunk.size() * 2);
    m_base += static_cast<int64_t>(m_pos);
    m_data = m_chunk.data();
    m_pos = 0;
    m_size = kept;
    size_t got = std::fread(m_chunk.data() + m_size, 1, m_chunk.size() - m_size, m_file);
    m_size += got;
    m_atEnd = got == 0;
    return got > 0;
}

bool CatalogsReader::Scan(Span& span)
{
    while (true) {
        span = Span();
        size_t pos = m_pos;
        while (true) {
            while (pos < m_size && m_class[static_cast<unsigned char>(m_data[pos])] == kPlain)
                ++pos;
            if (pos == m_size)
                break;
            const unsigned char kind = m_class[static_cast<unsigned char>(m_data[pos])];
            if (kind == kRecordEnd) {
                span.end = pos;
                span.closed = true;
                return true;
            }
            if (kind == kBar) {
                if (span.barCount < 4)
                    span.bars[span.barCount] = pos;
                ++span.barCount;
                ++pos;
            } else if (pos + 1 < m_size) {
                pos += 2;
            } else if (!m_atEnd) {
                break; // the second byte is still in the file
            } else {
                span.dangling = true;
                ++pos;
            }
        }
        if (pos == m_size && m_atEnd)
            break;
        if (!Refill() && m_pos == m_size)
            break;
    }
    span.end = m_size;
    return span.end > m_pos;
}

void CatalogsReader::Split(const Span& span, CatalogRecord& record) const
{
    std::string* fields[4] = {&record.parentId, &record.name, &record.nodeId, &record.indexList};
    record.offset = m_base + static_cast<int64_t>(m_pos);
    record.fieldCount = span.barCount + 1;
    size_t start = m_pos;
    for (size_t f = 0; f < 4; ++f) {
        if (f >= record.fieldCount) {
            fields[f]->clear();
            continue;
        }
        size_t end = f < span.barCount ? span.bars[f] : span.end;
        fields[f]->assign(m_data + start, end - start);
        start = end + 1;
    }
}

bool CatalogsReader::Next(CatalogRecord& record)
{
    Span span;
    while (!m_stopped && Scan(span)) {
        const size_t next = span.closed ? span.end + 1 : span.end;
        // Half a character at the end of the text is no character: it is left out.
        if (span.dangling) {
            m_problems.push_back({m_base + static_cast<int64_t>(span.end - 1), "text ends inside a character"});
            --span.end;
        }
        if (span.end == m_pos) {
            m_pos = next;
            continue;
        }
        if (m_data[m_pos] == '|') {
            const int64_t offset = m_base + static_cast<int64_t>(m_pos);
            m_problems.push_back(
                {offset, span.closed ? "record without a parent: the rest is ignored" : "record without a parent"});
            m_stopped = true;
            return false;
        }
        Split(span, record);
        m_pos = next;
        return true;
    }
    return false;
}
