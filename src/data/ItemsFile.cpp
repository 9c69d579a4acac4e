#include "data/ItemsFile.h"

#include "data/FileAccess.h"
#include "data/ItemsReader.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {
// Smallest possible record: nine empty fields.
constexpr size_t kMinRecordSize = 9 * 4;

void ReadRecords(ItemsReader& reader, int64_t dataSize, ItemList& items, ItemsLoadReport* report)
{
    if (reader.ReadHeader()) {
        // The header count may be stale or hostile: it only sizes the list, within what the data can hold.
        int64_t fit = (dataSize - static_cast<int64_t>(kItemsHeaderSize)) / static_cast<int64_t>(kMinRecordSize);
        int64_t hint = std::min(reader.HeaderCount(), fit);
        if (hint > 0)
            items.Reserve(items.Count() + static_cast<size_t>(hint));
        ShortcutItem item;
        while (reader.Next(item)) {
            // Every field of the moved-from item is assigned again by the next record.
            items.Append(std::move(item));
            if (report != nullptr)
                ++report->records;
        }
    }
    if (report != nullptr) {
        report->editingFlag = reader.EditingFlag();
        report->headerCount = reader.HeaderCount();
        report->problems = reader.Problems();
    }
}

void AppendDecimal(std::string& out, size_t value, int digits)
{
    char text[24];
    for (int i = digits - 1; i >= 0; --i) {
        text[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(text, static_cast<size_t>(digits));
}

// What the file can take as record number `index`, and its editing flag.
bool CanAppendAsRecord(const std::string& path, size_t index, int& editingFlag)
{
    int64_t size = 0;
    std::FILE* file = OpenDataFile(path, size);
    if (file == nullptr)
        return false;
    ItemsReader reader(file);
    size_t records = 0;
    bool headerWhole = reader.ReadHeader();
    ShortcutItem item;
    while (headerWhole && reader.Next(item))
        ++records;
    std::fclose(file);
    editingFlag = reader.EditingFlag();
    // A file of just its header holds no records yet and can take the first one.
    bool bareHeader = !headerWhole && reader.Problems().empty() && size == int64_t(kItemsHeaderSize);
    if (bareHeader)
        return index == 0;
    return headerWhole && reader.Problems().empty() && records == index;
}
} // namespace

bool LoadItems(const std::string& path, ItemList& items, ItemsLoadReport* report)
{
    if (report != nullptr)
        *report = ItemsLoadReport();
    int64_t size = 0;
    std::FILE* file = OpenDataFile(path, size);
    if (file == nullptr)
        return false;
    ItemsReader reader(file);
    ReadRecords(reader, size, items, report);
    std::fclose(file);
    if (report != nullptr)
        report->readable = true;
    return true;
}

void DecodeItems(const char* data, size_t size, ItemList& items, ItemsLoadReport* report)
{
    if (report != nullptr)
        *report = ItemsLoadReport();
    ItemsReader reader(data, size);
    ReadRecords(reader, static_cast<int64_t>(size), items, report);
    if (report != nullptr)
        report->readable = true;
}

size_t StoredFieldLength(const std::string& field, const LeadBytes& lead)
{
    if (field.size() <= kFieldLengthLimit)
        return field.size();
    size_t length = 0;
    while (length < field.size()) {
        const size_t step = lead.CharLength(field.data(), length, field.size());
        if (length + step > kFieldLengthLimit)
            break;
        length += step;
    }
    return length;
}

std::string EncodeItemsHeader(size_t count, unsigned char editingFlag)
{
    std::string header(100, '\0');
    header[0] = static_cast<char>(editingFlag);
    AppendDecimal(header, count, 16);
    return header;
}

void AppendItemRecord(std::string& out, const ShortcutItem& item, const LeadBytes& lead)
{
    for (int i = 0; i < ShortcutItem::kFieldCount; ++i) {
        const std::string& field = item.Field(i);
        size_t length = StoredFieldLength(field, lead);
        AppendDecimal(out, length, 4);
        out.append(field, 0, length);
    }
}

// The same record from the list's packed texts, so a save unpacks no item.
void AppendItemRecord(std::string& out, const ItemList& items, size_t index, const LeadBytes& lead)
{
    for (int i = 0; i < ShortcutItem::kFieldCount; ++i) {
        const std::string_view field = items.FieldText(index, i);
        const size_t length =
            field.size() <= kFieldLengthLimit ? field.size() : StoredFieldLength(std::string(field), lead);
        AppendDecimal(out, length, 4);
        out.append(field.data(), length);
    }
}

std::string EncodeItemsFile(const ItemList& items, const LeadBytes& lead)
{
    std::string bytes = EncodeItemsHeader(items.Count());
    for (size_t i = 0; i < items.Count(); ++i)
        AppendItemRecord(bytes, items, i, lead);
    return bytes;
}

bool SaveItems(const std::string& path, const ItemList& items, const ItemWrittenHook& onWritten,
               unsigned char editingFlag)
{
    // An empty list is the flag byte alone, written like any other list: a failed save keeps the old file.
    if (items.Count() == 0)
        return ReplaceFileContents(path, std::string(1, static_cast<char>(editingFlag)));
    const std::string fresh = FreshFileName(path);
    RecordWriter writer;
    bool ok = writer.Create(fresh) && writer.Write(EncodeItemsHeader(items.Count(), editingFlag));
    std::string record;
    for (size_t i = 0; ok && i < items.Count(); ++i) {
        record.clear();
        AppendItemRecord(record, items, i);
        ok = writer.Write(record);
        if (ok && onWritten)
            onWritten(items.At(i));
    }
    ok = writer.Close() && ok;
    ok = ok && ReplaceFileWith(path, fresh);
    if (!ok)
        DeleteFileIfPresent(fresh);
    return ok;
}

bool AppendItem(const std::string& path, const ItemList& items, size_t index, const ItemWrittenHook& onWritten)
{
    if (index >= items.Count())
        return false;
    int editingFlag = -1;
    if (!CanAppendAsRecord(path, index, editingFlag))
        return SaveItems(path, items, onWritten, editingFlag == 1 ? 1 : 0);
    std::string record;
    AppendItemRecord(record, items, index);
    const int64_t oldSize = FileSizeOf(path);
    RecordWriter writer;
    bool ok = writer.OpenToAppend(path) && writer.Write(record);
    ok = writer.Close() && ok;
    // Half a record written on a full disk goes again: the file stays as it was.
    if (!ok && oldSize >= 0)
        TruncateFile(path, oldSize);
    if (ok && onWritten)
        onWritten(items.At(index));
    return ok;
}

bool WriteEditingFlag(const std::string& path, bool editing)
{
    return WriteAt(path, std::string(1, editing ? '\x01' : '\x00'), 0);
}
