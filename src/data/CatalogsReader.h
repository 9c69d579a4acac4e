#pragma once
// Reads the records of a catalogs file one by one, from memory or streamed from an open file,
// as characters of a code page: a "\" or "|" that is the second byte of a double-byte
// character separates nothing. Empty records are skipped; a record with an empty parent
// field ends the reading.
#include "data/DataProblem.h"
#include "data/LeadBytes.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct CatalogRecord {
    int64_t offset = 0;
    size_t fieldCount = 0;
    std::string parentId;
    std::string name;
    std::string nodeId;
    std::string indexList;

    // The node's CatalogData: NodeID and "|" index list with four fields or more, the
    // NodeID alone with three, nothing with fewer.
    std::string CatalogData() const;
};

class CatalogsReader {
public:
    CatalogsReader(const char* data, size_t size, const LeadBytes& lead);
    // Streams the file through a buffer of `chunkSize` bytes (grown for a longer record).
    CatalogsReader(std::FILE* file, const LeadBytes& lead, size_t chunkSize = 256 * 1024);
    CatalogsReader(const CatalogsReader&) = delete;
    CatalogsReader& operator=(const CatalogsReader&) = delete;

    // The next record; false at the end of the text or at a record without a parent.
    bool Next(CatalogRecord& record);
    const std::vector<DataProblem>& Problems() const { return m_problems; }

private:
    struct Span {
        size_t end = 0;      // where the record ends in the buffer
        bool closed = false; // ended by a "\" rather than by the end of the text
        size_t bars[4] = {}; // the first four "|" of the record
        size_t barCount = 0;
        bool dangling = false; // the text ends with half a character
    };
    bool Scan(Span& span);
    bool Refill();
    void Split(const Span& span, CatalogRecord& record) const;

    // What each byte is to the reader (kPlain, kLead, kBar, kRecordEnd): one look per byte.
    std::array<unsigned char, 256> m_class{};
    std::FILE* m_file = nullptr;
    std::vector<char> m_chunk;
    const char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_pos = 0;
    int64_t m_base = 0;
    bool m_atEnd = true;
    bool m_stopped = false;
    std::vector<DataProblem> m_problems;
};
