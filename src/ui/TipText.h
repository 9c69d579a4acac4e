#pragma once
// Every user-visible text is looked up by key in the text file beside the program.
#include <string>

extern std::string g_configPath;  // installation folder + "\TavimorethConfig.ini"
extern std::string g_textSection; // "TipMsgs"

// The text of a key, in one shared buffer that the next lookup overwrites: copy it at once.
// A missing file, section or key gives "". The file is read on every call, so edits to it
// take effect at the next lookup.
const char* GetTipText(const char* key);
