#include "data/LeadBytes.h"

#include <windows.h>

namespace {
LeadBytes AskSystem()
{
    LeadBytes lead;
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info))
        return LeadBytes::Of(GetACP());
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
        lead.AddRange(info.LeadByte[i], info.LeadByte[i + 1]);
    return lead;
}
} // namespace

const LeadBytes& LeadBytes::OfSystem()
{
    static const LeadBytes system = AskSystem();
    return system;
}
