#pragma once
// The shell's URL history store (class CUrlHistory, interface IUrlHistoryStg2).
#include "config/HistorySource.h"

class ShellUrlHistory : public HistorySource {
public:
    bool ForEachAddress(const std::function<void(const std::wstring& url)>& visit) override;
};
