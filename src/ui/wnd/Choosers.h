#pragma once
// The file and folder choosers. Each goes through one replaceable point so that tests can
// answer it; the product never knows whether a person or a test answered.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Several files at once: an Explorer-style multi-select dialog with a result buffer of
// `bufferSize` bytes; filter holds the usual "Text\0*.txt\0\0" pairs. A test's answer gives the
// paths separated by "|". Each chooser returns false when the user cancelled.
bool ChooseOpenFiles(HWND owner, const char* filter, size_t bufferSize, std::vector<std::string>& paths);
bool ChooseFolder(HWND owner, const char* title, std::string& path);
// One file to open (it must exist) or to save as (an existing one is confirmed first), with
// `defaultExtension` added to a name typed without one.
bool ChooseFile(HWND owner, bool save, const char* filter, const char* defaultExtension, std::string& path);

enum class ChooserKind { OpenFile, Folder, SaveFile };
// Returns false for "cancelled"; otherwise fills path.
using ChooserAnswer = std::function<bool(ChooserKind kind, std::string& path)>;
void SetChooserAnswer(ChooserAnswer answer);
