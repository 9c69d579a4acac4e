#pragma once
// All items of the program in one array. A position (IndexInAll) never changes once given:
// items are appended, changed in place or turned into tombstones, never removed or moved.
//
// Items are kept packed, each as its nine texts in one run of bytes, because a list of many
// thousands of items would otherwise cost several hundred bytes per item in string objects. An
// item becomes a ShortcutItem only when something asks for one (At); from then on that object
// is the item, and references to it stay valid until Clear. Lists, sorts, saves and searches
// over the whole list read FieldText instead, which never unpacks.
#include "data/ShortcutItem.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>
#include <vector>

class ItemList {
public:
    ItemList() = default;
    ItemList(const ItemList& other);
    ItemList& operator=(const ItemList& other);
    ItemList(ItemList&&) noexcept = default;
    ItemList& operator=(ItemList&&) noexcept = default;

    size_t Count() const { return m_slots.size(); }
    const ShortcutItem& At(size_t index) const { return Open(index); }
    ShortcutItem& At(size_t index) { return Open(index); }
    // A field by its stored position (0 to 8), without unpacking the item. Valid until the item
    // is next changed or the list is cleared.
    std::string_view FieldText(size_t index, int position) const;
    bool IsTombstone(size_t index) const;
    // Returns the new item's IndexInAll (the former count).
    size_t Append(ShortcutItem item);
    // Empties every field but State ("-1"); the guid stays when the item goes with its
    // catalog, so an exchange file can still tell it.
    void Tombstone(size_t index, bool keepGuid);
    void Clear();
    void Reserve(size_t count) { m_slots.reserve(count); }

private:
    // A packed item is nine 16-bit lengths, then the texts one after the other.
    struct Slot {
        const char* packed = nullptr;
        ShortcutItem* opened = nullptr;
    };
    ShortcutItem& Open(size_t index) const;
    const char* Pack(const ShortcutItem& item);
    char* Room(size_t bytes);

    mutable std::vector<Slot> m_slots;
    // Packed items are never changed once written, so copies of the list share them.
    std::vector<std::shared_ptr<char[]>> m_chunks;
    char* m_free = nullptr;
    size_t m_freeBytes = 0;
    mutable std::deque<ShortcutItem> m_opened;
};
