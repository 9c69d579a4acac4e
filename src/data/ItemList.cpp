#include "data/ItemList.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace {
constexpr size_t kLengthBytes = 2;
constexpr size_t kHeaderBytes = ShortcutItem::kFieldCount * kLengthBytes;
constexpr size_t kLargestPackedField = 0xFFFF;
// Chunks grow from small (a short list stays small) to this size.
constexpr size_t kFirstChunk = 4096;
constexpr size_t kLargestChunk = 256 * 1024;

size_t LengthAt(const char* packed, int position)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(packed) + position * kLengthBytes;
    return static_cast<size_t>(bytes[0]) | static_cast<size_t>(bytes[1]) << 8;
}
} // namespace

ItemList::ItemList(const ItemList& other)
{
    *this = other;
}

ItemList& ItemList::operator=(const ItemList& other)
{
    if (this == &other)
        return *this;
    m_slots = other.m_slots;
    m_chunks = other.m_chunks;
    // The last chunk is shared now: new items go to a chunk of this list's own.
    m_free = nullptr;
    m_freeBytes = 0;
    m_opened.clear();
    for (Slot& slot : m_slots) {
        if (slot.opened != nullptr)
            slot.opened = &m_opened.emplace_back(*slot.opened);
    }
    return *this;
}

std::string_view ItemList::FieldText(size_t index, int position) const
{
    const Slot& slot = m_slots[index];
    if (slot.opened != nullptr)
        return slot.opened->Field(position);
    const char* text = slot.packed + kHeaderBytes;
    for (int i = 0; i < position; ++i)
        text += LengthAt(slot.packed, i);
    return std::string_view(text, LengthAt(slot.packed, position));
}

bool ItemList::IsTombstone(size_t index) const
{
    const Slot& slot = m_slots[index];
    if (slot.opened != nullptr)
        return slot.opened->IsTombstone();
    return LeadingNumber(std::string(FieldText(index, ShortcutItem::kState))) == -1;
}

ShortcutItem& ItemList::Open(size_t index) const
{
    // Checked as the vector's at() was: a position past the end is a caller's fault.
    Slot& slot = m_slots.at(index);
    if (slot.opened == nullptr) {
        ShortcutItem& item = m_opened.emplace_back();
        for (int i = 0; i < ShortcutItem::kFieldCount; ++i)
            item.Field(i) = FieldText(index, i);
        slot.opened = &item;
    }
    return *slot.opened;
}

char* ItemList::Room(size_t bytes)
{
    if (bytes > m_freeBytes) {
        const size_t grown = std::min(kFirstChunk << std::min<size_t>(m_chunks.size(), 6), kLargestChunk);
        const size_t size = std::max(bytes, grown);
        m_chunks.emplace_back(new char[size]);
        m_free = m_chunks.back().get();
        m_freeBytes = size;
    }
    char* room = m_free;
    m_free += bytes;
    m_freeBytes -= bytes;
    return room;
}

const char* ItemList::Pack(const ShortcutItem& item)
{
    size_t bytes = kHeaderBytes;
    for (int i = 0; i < ShortcutItem::kFieldCount; ++i) {
        if (item.Field(i).size() > kLargestPackedField)
            return nullptr;
        bytes += item.Field(i).size();
    }
    char* packed = Room(bytes);
    char* text = packed + kHeaderBytes;
    for (int i = 0; i < ShortcutItem::kFieldCount; ++i) {
        const std::string& field = item.Field(i);
        packed[i * kLengthBytes] = static_cast<char>(field.size() & 0xFF);
        packed[i * kLengthBytes + 1] = static_cast<char>(field.size() >> 8);
        std::memcpy(text, field.data(), field.size());
        text += field.size();
    }
    return packed;
}

size_t ItemList::Append(ShortcutItem item)
{
    Slot slot;
    slot.packed = Pack(item);
    // Fields too long to pack (no items file holds such) keep the item whole.
    if (slot.packed == nullptr)
        slot.opened = &m_opened.emplace_back(std::move(item));
    m_slots.push_back(slot);
    return m_slots.size() - 1;
}

void ItemList::Tombstone(size_t index, bool keepGuid)
{
    ShortcutItem& item = Open(index);
    std::string guid = keepGuid ? std::move(item.guid) : std::string();
    item = ShortcutItem();
    item.State = "-1";
    item.guid = std::move(guid);
}

void ItemList::Clear()
{
    // Give the memory back too: a reload may be much smaller.
    std::vector<Slot>().swap(m_slots);
    std::vector<std::shared_ptr<char[]>>().swap(m_chunks);
    m_free = nullptr;
    m_freeBytes = 0;
    std::deque<ShortcutItem>().swap(m_opened);
}
