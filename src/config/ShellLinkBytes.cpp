#include "config/ShellLinkBytes.h"

#include <cstdint>
#include <cstring>

namespace {
constexpr size_t kHeaderSize = 0x4C;
// {00021401-0000-0000-C000-000000000046} as stored.
const unsigned char kLinkClassId[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                        0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
enum : uint32_t {
    kHasTargetList = 0x1,
    kHasLinkInfo = 0x2,
    kFirstString = 0x4, // name, relative path, working folder, arguments, icon: 0x4 to 0x40
    kIsUnicode = 0x80,
};

// Reads little-endian numbers and steps over parts, failing on anything past the end.
class Cursor {
public:
    explicit Cursor(const std::string& bytes) : m_bytes(bytes) {}
    bool Number(size_t width, uint32_t& value)
    {
        if (m_bytes.size() - m_at < width)
            return false;
        value = 0;
        for (size_t i = width; i-- > 0;)
            value = (value << 8) | static_cast<unsigned char>(m_bytes[m_at + i]);
        m_at += width;
        return true;
    }
    bool Skip(size_t count)
    {
        if (m_bytes.size() - m_at < count)
            return false;
        m_at += count;
        return true;
    }
    void At(size_t offset) { m_at = offset; }

private:
    const std::string& m_bytes;
    size_t m_at = 0;
};

bool ExtraBlocksFit(Cursor& cursor)
{
    // The list ends with a block size below 4; a file may also just end.
    for (uint32_t size = 0;;) {
        if (!cursor.Number(4, size))
            return true;
        if (size < 4)
            return true;
        if (!cursor.Skip(size - 4))
            return false;
    }
}
} // namespace

bool IsWholeShellLink(const std::string& bytes)
{
    if (bytes.size() < kHeaderSize || bytes.size() > kShellLinkSizeLimit)
        return false;
    Cursor cursor(bytes);
    uint32_t value = 0;
    if (!cursor.Number(4, value) || value != kHeaderSize || std::memcmp(bytes.data() + 4, kLinkClassId, 16) != 0)
        return false;
    uint32_t flags = 0;
    cursor.At(0x14);
    cursor.Number(4, flags);
    cursor.At(kHeaderSize);
    if ((flags & kHasTargetList) && (!cursor.Number(2, value) || !cursor.Skip(value)))
        return false;
    // The link-info size counts its own four bytes.
    if ((flags & kHasLinkInfo) && (!cursor.Number(4, value) || value < 4 || !cursor.Skip(value - 4)))
        return false;
    for (uint32_t flag = kFirstString; flag < kIsUnicode; flag <<= 1) {
        if ((flags & flag) && (!cursor.Number(2, value) || !cursor.Skip(value * ((flags & kIsUnicode) ? 2u : 1u))))
            return false;
    }
    return ExtraBlocksFit(cursor);
}
