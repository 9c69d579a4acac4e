#pragma once
// The items file: a 116-byte header (editing flag, 99 zero bytes, 16-digit record count), then
// each item's nine fields as four-digit length and bytes, in IndexInAll order.
#include "data/DataProblem.h"
#include "data/ItemList.h"
#include "data/LeadBytes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

constexpr size_t kItemsHeaderSize = 116;
// Four decimal digits hold the length of a stored field.
constexpr size_t kFieldLengthLimit = 9999;

struct ItemsLoadReport {
    bool readable = false;
    int editingFlag = -1;
    int64_t headerCount = -1;
    size_t records = 0;
    std::vector<DataProblem> problems;
};

// Called after each record is written. The exchange window's copies of the files an item
// names hang here.
using ItemWrittenHook = std::function<void(const ShortcutItem&)>;

// Appends every whole record of the file to `items` (the caller clears it first). A missing
// file loads nothing; a damaged one loads the records before the damage.
bool LoadItems(const std::string& path, ItemList& items, ItemsLoadReport* report = nullptr);
void DecodeItems(const char* data, size_t size, ItemList& items, ItemsLoadReport* report = nullptr);

// Rewrites the whole file. An empty list leaves the editing flag byte alone. The new file is
// built beside the old one, flushed to the disk and replaces it only when complete: false
// (and the old file as it was) when any step fails.
bool SaveItems(const std::string& path, const ItemList& items, const ItemWrittenHook& onWritten = {},
               unsigned char editingFlag = 0);
// Adds the record of items[index] at the end of the file. When the file cannot take it as
// record number `index` (missing, shorter than its header, damaged, or holding another
// number of records), the whole list is written instead, keeping the editing flag.
bool AppendItem(const std::string& path, const ItemList& items, size_t index, const ItemWrittenHook& onWritten = {});
// The first byte: 1 while the configuration window edits the items. Creates the file when missing.
bool WriteEditingFlag(const std::string& path, bool editing);

std::string EncodeItemsHeader(size_t count, unsigned char editingFlag = 0);
void AppendItemRecord(std::string& out, const ShortcutItem& item, const LeadBytes& lead = LeadBytes::OfSystem());
void AppendItemRecord(std::string& out, const ItemList& items, size_t index, const LeadBytes& lead = LeadBytes::OfSystem());
std::string EncodeItemsFile(const ItemList& items, const LeadBytes& lead = LeadBytes::OfSystem());
// How many bytes of a field are stored: all of it up to the limit, else the longest start
// that ends on a whole character of the code page.
size_t StoredFieldLength(const std::string& field, const LeadBytes& lead = LeadBytes::OfSystem());
