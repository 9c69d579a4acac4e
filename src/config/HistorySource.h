#pragma once
// Where visited web addresses come from. The shell's URL history store is the program's one
// source; it sits behind this interface because some systems (Wine among them) provide the
// store but implement none of its methods.
#include <functional>
#include <string>

class HistorySource {
public:
    virtual ~HistorySource() = default;
    // Calls `visit` once per stored address, as the store keeps it (UTF-16); false when the store
    // could not be read.
    virtual bool ForEachAddress(const std::function<void(const std::wstring& url)>& visit) = 0;
};
