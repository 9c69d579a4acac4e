#include "app/Launcher.h"

#include "app/CommandPieces.h"
#include "app/RunCommand.h"
#include "data/ClipboardSnapshot.h"

#include <vector>

HWND g_mainWnd = nullptr;

namespace {

// Gives each started program a moment to come up before the next one.
constexpr DWORD kPauseBetweenPiecesMs = 500;

bool IsSystemLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

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
    const std::vector<CommandPiece> pieces = SplitCommandText(text, IsSystemLeadByte);
    for (size_t i = 0; i < pieces.size(); ++i) {
        StartPiece(pieces[i]);
        if (i + 1 < pieces.size())
            Sleep(kPauseBetweenPiecesMs);
    }
    return true;
}
