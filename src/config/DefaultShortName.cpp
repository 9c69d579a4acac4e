#include "config/DefaultShortName.h"

#include "data/LowerCase.h"
#include "data/ShortName.h"

std::string DefaultShortName(const std::string& name)
{
    const size_t start = name.find_first_not_of("+ ");
    return UpperCaseAnsi(MakeShortName(start == std::string::npos ? std::string() : name.substr(start)));
}
