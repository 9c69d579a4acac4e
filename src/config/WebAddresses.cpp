#include "config/WebAddresses.h"

namespace {
const std::string kHttp = "http://";

// The address up to its query: a "/" inside a query is no folder.
std::string WithoutQuery(const std::string& url)
{
    return url.substr(0, url.find('?'));
}
} // namespace

void ExpandHistoryAddress(const std::string& url, std::vector<std::string>& out, const LeadBytes& lead)
{
    const std::string lower = LowerCaseAnsi(url, lead);
    // Only at the start: an https address may well carry "http://" inside its query.
    if (lower.compare(0, kHttp.size(), kHttp) != 0 || url.size() == kHttp.size())
        return;
    const std::string path = WithoutQuery(url);
    size_t segmentEnd = path.find('/', kHttp.size());
    // Folders are the segments between the host and the last segment.
    while (segmentEnd != std::string::npos) {
        const size_t next = path.find('/', segmentEnd + 1);
        if (next == std::string::npos)
            break;
        out.push_back(path.substr(0, next));
        segmentEnd = next;
    }
    if (url.find('?') != std::string::npos)
        out.push_back(path);
    out.push_back(lower);
}

std::string StripTrailingSlashes(const std::string& address)
{
    const size_t keep = address.find_last_not_of('/');
    return keep == std::string::npos ? std::string() : address.substr(0, keep + 1);
}

void AddAddresses(ProgramList& list, const std::vector<std::string>& addresses)
{
    for (const std::string& address : addresses) {
        // The row's text is what the list holds, so a cut address is compared as cut; the cut
        // never leaves half a character.
        std::string text = address.substr(0, kMaxAddressText);
        if (text.size() < address.size() && list.Lead().EndsInsideCharacter(text))
            text.pop_back();
        if (list.ContainsNoCase(text))
            continue;
        list.Append(text, text);
    }
}
