#include "app/CommandPieces.h"

#include <cstring>

namespace {

const char kComposedMarker[] = "^^^";
const char kLineBreak[] = "\r\n";
const char kWhiteSpace[] = " \t\r\n\v\f";
constexpr size_t kShortestPiece = 5;

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

std::vector<std::string> SplitKeepingEmpty(const std::string& text)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(kLineBreak, start);
        if (end == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + std::strlen(kLineBreak);
    }
}

PieceAction ActionOf(const std::string& lowerPiece)
{
    if (lowerPiece.size() < kShortestPiece)
        return PieceAction::Skip;
    const std::string suffix = lowerPiece.substr(lowerPiece.size() - 4);
    return suffix == ".stx" ? PieceAction::RestoreSnapshot : PieceAction::Run;
}

} // namespace

std::vector<CommandPiece> SplitCommandText(const std::string& text, const LeadBytes& lead)
{
    std::string commands = text;
    const size_t marker = commands.find(kComposedMarker);
    if (marker != std::string::npos)
        commands = Trim(commands.substr(marker + std::strlen(kComposedMarker)));

    std::vector<CommandPiece> pieces;
    for (const std::string& line : SplitKeepingEmpty(commands)) {
        CommandPiece piece;
        piece.text = Trim(line);
        piece.action = ActionOf(LowerCaseAnsi(piece.text, lead));
        pieces.push_back(std::move(piece));
    }
    return pieces;
}
