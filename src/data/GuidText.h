#pragma once
// The text form of a GUID as the data files store it: 36 upper-case characters,
// "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", without braces.
#include <cstdint>
#include <string>

std::string FormatGuidText(uint32_t data1, uint16_t data2, uint16_t data3, const uint8_t (&data4)[8]);
