#pragma once
// Fills the program list with web addresses: the visited ones from the history source, then
// those in the browser's place database.
#include "config/HistorySource.h"
#include "config/ProgramList.h"

#include <functional>
#include <utility>

class WebAddressImport {
public:
    // Shows the message of a text key to the user (the configuration window passes its message
    // box).
    using ShowMessageOfKey = std::function<void(const char* key)>;

    WebAddressImport(HistorySource& history, ShowMessageOfKey showMessage)
        : m_history(history), m_showMessage(std::move(showMessage))
    {
    }

    void Import(ProgramList& list);

private:
    // False when no database could be read.
    bool AddBrowserPlaces(ProgramList& list);

    HistorySource& m_history;
    ShowMessageOfKey m_showMessage;
};

// The import as the program runs it, through the shell's URL history store.
void ImportWebAddresses(ProgramList& list, WebAddressImport::ShowMessageOfKey showMessage);
