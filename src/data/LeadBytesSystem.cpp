#include "data/LeadBytes.h"

const LeadBytes& LeadBytes::OfSystem()
{
    // Without a system to ask, the files are read as the Chinese code page the program
    // was first written for.
    static const LeadBytes system = Of(936);
    return system;
}
