#include "cli/MoveFile.h"

#include <optional>
#include <sstream>
#include <vector>

#include "model/MoveText.h"
#include "play/Commands.h"
#include "play/Gestures.h"
#include "play/PlayMove.h"

namespace tindle::cli {

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

using Outcome = MoveFileResult::Outcome;

Outcome PlayLine(PlayContext& ctx, const std::vector<std::string>& w) {
    if (w.size() == 1 && w[0] == "undo")
        return UndoCommand(ctx) ? Outcome::Played : Outcome::Refused;
    if (w.size() == 1 && w[0] == "redo")
        return RedoCommand(ctx) ? Outcome::Played : Outcome::Refused;
    if (w.size() != 2) return Outcome::Unreadable;
    auto outcome = [](bool acted) { return acted ? Outcome::Played : Outcome::Refused; };
    const auto move = ParseMove(w[0] + " " + w[1]);
    if (w[0] == "click") {
        // The clicks LegalMoves names, and a click on any other pile's top card.
        if (move) return outcome(PlayMove(ctx, *move));
        const auto pile = ParsePileName(w[1]);
        if (!pile) return Outcome::Unreadable;
        return outcome(ClickPile(ctx, *pile));
    }
    if (w[0] == "dblclick") {
        const auto card = ParseMove("click " + w[1]);
        if (!card || card->kind != MoveKind::Select) return Outcome::Unreadable;
        return outcome(DoubleClickCard(ctx, card->card));
    }
    if (!move) return Outcome::Unreadable;
    if (const auto pile = MoveTarget(*move)) return outcome(DragCardTo(ctx, move->card, *pile));
    if (move->kind == MoveKind::ToSecondWaste) return outcome(PlayMove(ctx, *move));
    return Outcome::Unreadable;
}

enum class LineRead { Line, TooLong, End };

// The next line without its LF (and a CR before it); never more than kMaxMoveLineChars of it.
LineRead ReadLine(std::istream& in, std::string& line) {
    line.clear();
    bool any = false;
    for (int c; (c = in.get()) != std::char_traits<char>::eof();) {
        any = true;
        if (c == '\n') break;
        if (line.size() == kMaxMoveLineChars) return LineRead::TooLong;
        line.push_back(static_cast<char>(c));
    }
    if (!any) return LineRead::End;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return LineRead::Line;
}

}  // namespace

MoveFileResult PlayMoveFile(PlayContext& ctx, std::istream& in) {
    std::string line;
    for (int n = 1;; ++n) {
        const LineRead read = ReadLine(in, line);
        if (read == LineRead::End) return {};
        if (read == LineRead::TooLong) return {Outcome::Unreadable, n, line + "..."};
        const std::vector<std::string> words = Words(line);
        if (words.empty()) continue;
        const Outcome outcome = PlayLine(ctx, words);
        if (outcome != Outcome::Played) return {outcome, n, line};
    }
}

}  // namespace tindle::cli
