// Feeds arbitrary bytes to the snapshot reader; whatever it reads must write back to the
// same leading bytes of the input.
#include "data/SnapshotFile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const SnapshotContents contents = ParseSnapshot(bytes, size);
    const std::string rewritten = EncodeSnapshot(contents.records);
    if (rewritten.size() > size)
        std::abort();
    if (contents.IsWhole() && rewritten.size() != size)
        std::abort();
    const SnapshotContents again = ParseSnapshot(rewritten);
    if (!again.IsWhole() || again.records.size() != contents.records.size())
        std::abort();
    return 0;
}
