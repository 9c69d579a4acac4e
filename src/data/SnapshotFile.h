#pragma once
// The record format of a clipboard snapshot file (".stx"): records back to back, no header,
// no count, no terminator. A record is an 8-byte slot with the clipboard format number in
// ASCII decimal, an 8-byte slot with the data size in ASCII decimal (each followed by 0x00
// and zero filler), then the data bytes exactly as the clipboard held them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t kSnapshotSlotSize = 8;
constexpr size_t kSnapshotHeaderSize = 2 * kSnapshotSlotSize;
// Seven digits and the 0x00 byte fill the size slot; anything larger cannot be read back.
constexpr size_t kSnapshotMaxDataSize = 9999999;
// Clipboard format numbers are 16-bit values, at most five digits.
constexpr uint32_t kSnapshotMaxFormat = 0xFFFF;

struct SnapshotRecord {
    uint32_t format = 0;
    std::string data;
    size_t offset = 0; // where the record starts in the file
};

// Where a damaged file stops being readable, and why.
struct SnapshotProblem {
    size_t offset = 0;
    std::string what;
};

struct SnapshotContents {
    std::vector<SnapshotRecord> records;   // every whole record before the first damage
    std::vector<SnapshotProblem> problems; // empty when the file is whole

    bool IsWhole() const { return problems.empty(); }
};

// Reads the records of a snapshot file's bytes. Never reads past `size`: a record cut short,
// a slot without digits, a format number out of range or a size of eight digits or more ends
// the reading with one problem; the records before it are kept.
SnapshotContents ParseSnapshot(const char* bytes, size_t size);
SnapshotContents ParseSnapshot(const std::string& bytes);

// The bytes of one record. Returns false (and leaves `out` alone) when the format number is 0
// or above kSnapshotMaxFormat, or the data is larger than kSnapshotMaxDataSize.
bool EncodeSnapshotRecord(uint32_t format, const char* data, size_t size, std::string& out);

// The bytes of a whole file: each record that can be stored, in order.
std::string EncodeSnapshot(const std::vector<SnapshotRecord>& records);
