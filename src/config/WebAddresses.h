#pragma once
// The text rules of web address import: what a visited address offers, how browser addresses
// are tidied, and how addresses become program-list rows.
#include "config/ProgramList.h"

#include <string>
#include <vector>

// Rows longer than this are cut: the list and the items file keep at most this much of a path.
constexpr size_t kMaxAddressText = 259;

// Appends what a visited "http://" address offers: each enclosing folder below the host, the
// address without its query, and the whole address in lower case. Other schemes offer nothing.
// "http://Host/a/b/page?q" gives "http://Host/a", "http://Host/a/b", "http://Host/a/b/page"
// and "http://host/a/b/page?q".
void ExpandHistoryAddress(const std::string& url, std::vector<std::string>& out,
                          const LeadBytes& lead = LeadBytes::OfSystem());

// "http://host/a//" gives "http://host/a".
std::string StripTrailingSlashes(const std::string& address);

// Appends each address not already in the list in any letter case, cut to kMaxAddressText,
// with the same text as its command.
void AddAddresses(ProgramList& list, const std::vector<std::string>& addresses);
