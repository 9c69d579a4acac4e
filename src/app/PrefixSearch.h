#pragma once
// The search of the quick-launch boxes: the first row whose cell begins with the typed text,
// letters compared without regard to case. Rows are never filtered; only the choice moves.
#include "data/LeadBytes.h"

#include <cstddef>
#include <functional>
#include <string>

constexpr size_t kNoRow = static_cast<size_t>(-1);

// cellAt(row) gives the searched cell of a row. Returns kNoRow when no row matches or the
// typed text is empty.
// `lead` tells the double-byte characters of the code page, whose second byte may look like a
// letter and must be compared as it is.
size_t FindFirstPrefixRow(size_t rowCount, const std::function<const std::string&(size_t)>& cellAt,
                          const std::string& typed, const LeadBytes& lead = LeadBytes::OfSystem());
