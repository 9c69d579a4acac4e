#pragma once
// The pinyin syllables of the GB2312 level-1 characters. That level is ordered by reading, so
// one start code per syllable is enough: a syllable covers the codes from its start up to the
// next entry's start. The entries are sorted by start code.
#include <cstddef>
#include <cstdint>

struct SyllableEntry {
    uint16_t startCode; // lead byte * 256 + trail byte of the first character with this reading
    const char* syllable;
};

constexpr size_t kSyllableCount = 396;
extern const SyllableEntry g_syllableTable[kSyllableCount];
