#pragma once
// Letter case of ANSI text that leaves double-byte characters whole: the trail byte of such a
// character may look like an ASCII letter, and folding it would turn one character into another.
// Only ASCII letters change; which bytes start a double-byte character is the code page's
// (the system's unless another is given).
#include "data/LeadBytes.h"

#include <string>

std::string LowerCaseAnsi(const std::string& text, const LeadBytes& lead = LeadBytes::OfSystem());
std::string UpperCaseAnsi(const std::string& text, const LeadBytes& lead = LeadBytes::OfSystem());
