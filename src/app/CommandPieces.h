#pragma once
// How an item's command text is started: the part after the first "^^^" of a composed item,
// split at CR LF into pieces (empty ones kept, since each piece costs a pause), each trimmed,
// then run, restored as a clipboard snapshot, or skipped. What a piece is, is decided on its
// lower-cased text; the piece itself is started as written, because web addresses, arguments
// and file names on other systems can depend on their letter case.
#include "data/LowerCase.h"

#include <string>
#include <vector>

enum class PieceAction {
    Skip,            // four characters or fewer
    Run,             // handed to RunCommand
    RestoreSnapshot, // a ".stx" clipboard snapshot
};

struct CommandPiece {
    std::string text; // trimmed, letter case as written: the text that is started
    PieceAction action = PieceAction::Skip;
};

// The commands that `text` holds, in launch order.
std::vector<CommandPiece> SplitCommandText(const std::string& text, const LeadBytes& lead = LeadBytes::OfSystem());
