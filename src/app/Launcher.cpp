#include "app/Launcher.h"

#include "app/CommandPieces.h"
#include "app/RunCommand.h"
#include "data/ClipboardSnapshot.h"
#include "data/SharedItemList.h"

#include <vector>

HWND g_mainWnd = nullptr;

namespace {

// Gives each started program a moment to come up before the next one.
constexpr DWORD kPauseBetweenPiecesMs = 500;

void StartPiece(const CommandPiece& piece)
{
    switch (piece.action) {
    case PieceAction::Skip:
        break;
    case PieceAction::Run:
        RunCommand(piece.text.c_str(), nullptr, true);
        break;
    case PieceAction::RestoreSnapshot:
        RestoreClipboardSnapshot(g_mainWnd, piece.text.c_str());
        break;
    }
}

} // namespace

bool LaunchCommandText(const std::string& text)
{
    const std::vector<CommandPiece> pieces = SplitCommandText(text);
    for (size_t i = 0; i < pieces.size(); ++i) {
        StartPiece(pieces[i]);
        if (i + 1 < pieces.size())
            Sleep(kPauseBetweenPiecesMs);
    }
    return true;
}

void LaunchItemByIndex(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= g_itemList.Count())
        return;
    // A copy: a started command may lead to a reload of the list before the pauses are over.
    const std::string command = g_itemList.At(static_cast<size_t>(index)).ExePath;
    LaunchCommandText(command);
}

void RunCommandsInTurn(const std::vector<std::string>& commands)
{
    bool started = false;
    for (const std::string& command : commands) {
        if (command.empty())
            continue;
        if (started)
            Sleep(kPauseBetweenPiecesMs);
        RunCommand(command.c_str(), nullptr, true);
        started = true;
    }
}
