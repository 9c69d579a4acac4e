#pragma once
// The file and folder choosers. Each goes through one replaceable point so that tests can
// answer it; the product never knows whether a person or a test answered.
#include <windows.h>

#include <functional>
#include <string>

// filter: the usual "Text\0*.txt\0\0" pairs. Returns false when the user cancelled.
bool ChooseOpenFile(HWND owner, const char* filter, std::string& path);
bool ChooseSaveFile(HWND owner, const char* filter, const char* defaultExtension, std::string& path);
bool ChooseFolder(HWND owner, const char* title, std::string& path);

enum class ChooserKind { OpenFile, SaveFile, Folder };
// Returns false for "cancelled"; otherwise fills path.
using ChooserAnswer = std::function<bool(ChooserKind kind, std::string& path)>;
void SetChooserAnswer(ChooserAnswer answer);
