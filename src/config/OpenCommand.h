#pragma once
// The text rules of program discovery: turning a registered open command into a plain program
// path, and telling which resolved shortcuts are offered.
#include "data/LowerCase.h"

#include "data/TextTrim.h"

#include <string>

// Drops the "%1" parameter (with its quotes), every other quote, switches from the first "/"
// on and trailing white space: "\"C:\\App\\app.exe\" \"%1\"" gives "C:\\App\\app.exe".
std::string CleanOpenCommand(const std::string& command);

// Whether a shortcut's target is the icon file an installer-managed program's shortcut points
// at instead of the program itself.
bool IsInstallerIconTarget(const std::string& target, const LeadBytes& lead = LeadBytes::OfSystem());

// Only programs are offered: the command, trimmed, must end in ".exe" (any case). A shortcut
// with arguments therefore never qualifies.
bool IsProgramCommand(const std::string& command, const LeadBytes& lead = LeadBytes::OfSystem());
