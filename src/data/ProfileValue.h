#pragma once
// A value of the item hand-off section must come back from win.ini exactly as it went in, but a
// profile file holds one line per key and the readers strip surrounding blanks and quotes. So
// line breaks, quotes, blanks at either end and the escape character itself travel as "%XX".
// No value carries a NUL byte: one is dropped both ways.
// Only this program reads the section back; the extension's request section stays plain text.
#include "data/LeadBytes.h"

#include <cstddef>
#include <string>

std::string EncodeProfileValue(const std::string& value);
// Turns the stored text back into the value, cut to at most maxLength bytes and whole
// characters of the code page. An escape cut off
// at the end is dropped; a "%" without two hex digits after it (a hand edit) stays as it is.
std::string DecodeProfileValue(const std::string& text, size_t maxLength,
                               const LeadBytes& lead = LeadBytes::OfSystem());
