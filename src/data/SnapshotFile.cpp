#include "data/SnapshotFile.h"

#include <cstdio>
#include <cstring>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The decimal number at the start of a slot. `digits` tells how many there were, so the
// caller can tell "0" from no number at all and a full slot from a terminated one.
uint32_t SlotNumber(const char* slot, size_t& digits)
{
    uint32_t value = 0;
    digits = 0;
    while (digits < kSnapshotSlotSize && IsDigit(slot[digits])) {
        value = value * 10 + static_cast<uint32_t>(slot[digits] - '0');
        ++digits;
    }
    return value;
}

void PutSlot(char* slot, size_t number)
{
    char text[kSnapshotSlotSize + 16] = {};
    const int length = std::snprintf(text, sizeof(text), "%zu", number);
    std::memcpy(slot, text, static_cast<size_t>(length));
}

// Reads the record at `offset`; on damage records the problem and returns false.
bool ReadRecord(const char* bytes, size_t size, size_t offset, SnapshotContents& contents)
{
    const size_t left = size - offset;
    auto fail = [&](const std::string& what) {
        contents.problems.push_back({offset, what});
        return false;
    };
    if (left < kSnapshotHeaderSize)
        return fail("record cut short: " + std::to_string(left) + " of 16 header bytes");

    size_t formatDigits = 0;
    const uint32_t format = SlotNumber(bytes + offset, formatDigits);
    if (formatDigits == 0)
        return fail("format slot does not start with a digit");
    if (formatDigits > 5 || format == 0 || format > kSnapshotMaxFormat)
        return fail("format number out of range");

    size_t sizeDigits = 0;
    const uint32_t dataSize = SlotNumber(bytes + offset + kSnapshotSlotSize, sizeDigits);
    if (sizeDigits == 0)
        return fail("size slot does not start with a digit");
    if (sizeDigits >= kSnapshotSlotSize)
        return fail("size slot holds eight digits or more");
    if (dataSize > left - kSnapshotHeaderSize) {
        return fail("record cut short: " + std::to_string(left - kSnapshotHeaderSize) + " of " +
                    std::to_string(dataSize) + " data bytes");
    }

    SnapshotRecord record;
    record.format = format;
    record.offset = offset;
    record.data.assign(bytes + offset + kSnapshotHeaderSize, dataSize);
    contents.records.push_back(std::move(record));
    return true;
}

} // namespace

SnapshotContents ParseSnapshot(const char* bytes, size_t size)
{
    SnapshotContents contents;
    size_t offset = 0;
    while (offset < size && ReadRecord(bytes, size, offset, contents))
        offset += kSnapshotHeaderSize + contents.records.back().data.size();
    return contents;
}

SnapshotContents ParseSnapshot(const std::string& bytes)
{
    return ParseSnapshot(bytes.data(), bytes.size());
}

bool EncodeSnapshotRecord(uint32_t format, const char* data, size_t size, std::string& out)
{
    if (format == 0 || format > kSnapshotMaxFormat || size > kSnapshotMaxDataSize)
        return false;
    char header[kSnapshotHeaderSize] = {};
    PutSlot(header, format);
    PutSlot(header + kSnapshotSlotSize, size);
    out.append(header, kSnapshotHeaderSize);
    if (size > 0)
        out.append(data, size);
    return true;
}

std::string EncodeSnapshot(const std::vector<SnapshotRecord>& records)
{
    std::string bytes;
    for (const SnapshotRecord& record : records)
        EncodeSnapshotRecord(record.format, record.data.data(), record.data.size(), bytes);
    return bytes;
}
