#pragma once
// A flaw found while reading a data file: where it is and what is wrong.
#include <cstdint>
#include <string>

struct DataProblem {
    int64_t offset;
    std::string text;
};
