#pragma once
// Which bytes of a double-byte code page start a two-byte character. The data files are text
// in the system's code page, where the second byte of a character may equal "|" or "\" (both
// common in Chinese and Japanese text): a separator only counts outside a character.
#include <array>
#include <cstddef>
#include <string>

class LeadBytes {
public:
    // A single-byte code page: every byte is a character of its own.
    LeadBytes() = default;
    // The double-byte code pages of the system (932, 936, 949, 950, 1361); any other number
    // gives a single-byte one.
    static LeadBytes Of(unsigned codePage);
    // The system's ANSI code page (936 where there is no system to ask). Every walk over ANSI
    // text takes its double-byte characters from here unless it is given another code page.
    static const LeadBytes& OfSystem();

    bool IsLead(unsigned char c) const { return m_lead[c] != 0; }
    void AddRange(unsigned char first, unsigned char last);
    // How many bytes the character at `pos` takes (a lead byte at the very end stands alone).
    size_t CharLength(const char* text, size_t pos, size_t end) const
    {
        return IsLead(static_cast<unsigned char>(text[pos])) && pos + 1 < end ? 2 : 1;
    }
    // The first `c` at or after `from` that is a character of its own, or npos.
    size_t Find(const std::string& text, char c, size_t from = 0) const;
    // The last `c` that is a character of its own, or npos: the separator before a path's last
    // name, where a trail byte may equal "\".
    size_t FindLast(const std::string& text, char c) const;
    // True when `text` ends inside a character: its last byte is an unpaired lead byte.
    bool EndsInsideCharacter(const std::string& text) const;

private:
    std::array<unsigned char, 256> m_lead{};
    bool m_any = false;
};
