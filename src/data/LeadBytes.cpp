#include "data/LeadBytes.h"

#include <cstring>

LeadBytes LeadBytes::Of(unsigned codePage)
{
    LeadBytes lead;
    switch (codePage) {
    case 932: // Shift-JIS
        lead.AddRange(0x81, 0x9F);
        lead.AddRange(0xE0, 0xFC);
        break;
    case 936: // GBK
    case 949: // Unified Hangul
    case 950: // Big5
        lead.AddRange(0x81, 0xFE);
        break;
    case 1361: // Johab
        lead.AddRange(0x84, 0xD3);
        lead.AddRange(0xD8, 0xDE);
        lead.AddRange(0xE0, 0xF9);
        break;
    default:
        break;
    }
    return lead;
}

void LeadBytes::AddRange(unsigned char first, unsigned char last)
{
    for (unsigned c = first; c <= last; ++c)
        m_lead[c] = 1;
    m_any = m_any || first <= last;
}

size_t LeadBytes::Find(const std::string& text, char c, size_t from) const
{
    const char* data = text.data();
    const size_t end = text.size();
    size_t pos = from;
    while (pos < end) {
        const void* hit = std::memchr(data + pos, c, end - pos);
        const size_t stop = hit != nullptr ? static_cast<size_t>(static_cast<const char*>(hit) - data) : end;
        if (!m_any)
            return hit != nullptr ? stop : std::string::npos;
        // Walk the characters up to the hit: it counts only when one starts there.
        while (pos < stop) {
            while (pos < stop && m_lead[static_cast<unsigned char>(data[pos])] == 0)
                ++pos;
            if (pos < stop)
                pos += CharLength(data, pos, end);
        }
        if (hit == nullptr)
            return std::string::npos;
        if (pos == stop)
            return stop;
    }
    return std::string::npos;
}

size_t LeadBytes::FindLast(const std::string& text, char c) const
{
    size_t last = std::string::npos;
    for (size_t pos = Find(text, c); pos != std::string::npos; pos = Find(text, c, pos + 1))
        last = pos;
    return last;
}

bool LeadBytes::EndsInsideCharacter(const std::string& text) const
{
    size_t pos = 0;
    while (pos < text.size()) {
        size_t length = CharLength(text.data(), pos, text.size());
        if (length == 1 && pos + 1 == text.size())
            return IsLead(static_cast<unsigned char>(text[pos]));
        pos += length;
    }
    return false;
}
