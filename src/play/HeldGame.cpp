#include "play/HeldGame.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <numeric>
#include <system_error>

#include "model/CardTable.h"
#include "model/Catalogue.h"
#include "model/GameNumber.h"
#include "model/GamesDat.h"
#include "model/Pile.h"
#include "play/NewGame.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "play/PlayUi.h"
#include "shell/settings/AtomicFile.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SettingsRecord.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

constexpr std::string_view kHeading = "Tindle held game";
// A game of thousands of moves stays far below this; anything larger is not ours.
constexpr size_t kMaxHeldGameBytes = 32u * 1024u * 1024u;
constexpr int kFoundationBases = 16;
constexpr int kTableauBases = 28;
constexpr int kDealFields = kFoundationBases + kTableauBases;
constexpr int kMaxSeconds = 100 * 3600 - 1;
constexpr int kMaxGameId = 9999;
constexpr int kCounterLimit = 1000000;
constexpr int kScoreWidth = 6;
constexpr int kCardDigits = 3;

// FNV-1a, 64 bits.
class Fnv {
  public:
    void Byte(unsigned char b) {
        value_ ^= b;
        value_ *= 1099511628211ull;
    }
    void Bytes(std::string_view text) {
        for (char c : text)
            Byte(static_cast<unsigned char>(c));
    }
    uint64_t Value() const { return value_; }

  private:
    uint64_t value_ = 14695981039346656037ull;
};

std::string Hex(uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, value);
    return text;
}

uint64_t TextHash(std::string_view text) {
    Fnv h;
    h.Bytes(text);
    return h.Value();
}

// ---- Writing

std::string CountersText(const GameCounters& c) {
    return std::to_string(c.passCounter) + ' ' + std::to_string(c.firstMoveMark) + ' ' +
           std::to_string(c.dealCounter) + ' ' + std::to_string(c.runningCounter);
}

std::string IntsText(const std::vector<int>& values) {
    std::string text;
    for (int v : values) {
        if (!text.empty()) text += ' ';
        text += std::to_string(v);
    }
    return text;
}

void Line(std::string& out, std::string_view key, std::string_view value) {
    out.append(key).append("=").append(value).append("\n");
}

// Snapshot k of a history in snapshot order: its stock, foundation, tableau and reserve lines.
void HistorySnapshotLines(std::string& out, const History& h, int k) {
    const auto block = [&](const std::vector<std::string>& lines, int per) {
        for (int i = 0; i < per; ++i)
            Line(out, "P", lines[static_cast<size_t>(k * per + i)]);
    };
    block(h.stockLines, kMazzoPiles);
    block(h.foundationLines, kDestPiles);
    block(h.tableauLines, kFilaPiles);
    block(h.reserveLines, kAppoggPiles);
}

void WriteHistory(std::string& out, std::string_view name, const History& h,
                  const std::vector<int>& actions, const std::vector<GameCounters>& counters) {
    Line(out, name, std::to_string(h.Count()));
    Line(out, "Marks", h.marks);
    Line(out, "Actions", IntsText(actions));
    std::string steps;
    for (const GameCounters& c : counters) {
        if (!steps.empty()) steps += ';';
        steps += CountersText(c);
    }
    Line(out, "StepCounters", steps);
    for (int k = 0; k < h.Count(); ++k)
        HistorySnapshotLines(out, h, k);
}

// ---- Reading

// The lines of the text, read in order; each "Key=value".
class Lines {
  public:
    explicit Lines(std::string_view text) {
        while (!text.empty()) {
            const size_t end = text.find('\n');
            if (end == std::string_view::npos) {
                lines_.push_back(text);  // no line end: the file was cut
                cut_ = true;
                break;
            }
            lines_.push_back(text.substr(0, end));
            text.remove_prefix(end + 1);
        }
    }
    bool Cut() const { return cut_; }
    size_t Left() const { return lines_.size() - next_; }
    bool Next(std::string_view& line) {
        if (next_ >= lines_.size()) return false;
        line = lines_[next_++];
        return true;
    }
    bool Field(std::string_view key, std::string_view& value) {
        std::string_view line;
        if (!Next(line) || line.size() <= key.size() || line.substr(0, key.size()) != key ||
            line[key.size()] != '=')
            return false;
        value = line.substr(key.size() + 1);
        return true;
    }

  private:
    std::vector<std::string_view> lines_;
    size_t next_ = 0;
    bool cut_ = false;
};

bool IntIn(std::string_view text, int lo, int hi, int& out) {
    return ParseIntegerIn(text, lo, hi, out);
}

bool IntsIn(std::string_view text, int lo, int hi, std::vector<int>& out) {
    out.clear();
    while (!text.empty()) {
        const size_t end = text.find(' ');
        int v = 0;
        if (!IntIn(text.substr(0, end), lo, hi, v)) return false;
        out.push_back(v);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
        if (text.empty()) return false;
    }
    return true;
}

bool CountersIn(std::string_view text, GameCounters& c) {
    std::vector<int> v;
    if (!IntsIn(text, -kCounterLimit, kCounterLimit, v) || v.size() != 4) return false;
    c = {v[0], v[1], v[2], v[3]};
    return c.passCounter >= 0 && c.firstMoveMark >= 0 && c.firstMoveMark <= 2;
}

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Four characters a card: its number (0..108, 000 a gap) and its face flag (a gap's is 0).
bool PileLineValid(std::string_view line) {
    if (line.size() % kSnapshotCardChars != 0) return false;
    for (size_t at = 0; at < line.size(); at += kSnapshotCardChars) {
        const std::string_view number = line.substr(at, kCardDigits);
        const char face = line[at + kCardDigits];
        if (!AllDigits(number) || (face != kFaceUp && face != kFaceDown)) return false;
        const int card = std::stoi(std::string(number));
        if (card > CardTable::kCards || (card == 0 && face != kFaceDown)) return false;
    }
    return true;
}

// Entries ending in ',', each of whole three-digit markers.
bool MarksValid(std::string_view marks, int entries) {
    int count = 0;
    size_t entryStart = 0;
    for (size_t i = 0; i < marks.size(); ++i) {
        if (marks[i] == ',') {
            if ((i - entryStart) % kCardDigits != 0) return false;
            ++count;
            entryStart = i + 1;
        } else if (marks[i] < '0' || marks[i] > '9') {
            return false;
        }
    }
    return entryStart == marks.size() && count == entries;
}

bool ReadHistory(Lines& in, std::string_view name, History& h, std::vector<int>& actions,
                 std::vector<GameCounters>& counters, std::string& problem) {
    std::string_view value;
    int snapshots = 0;
    if (!in.Field(name, value) || !IntIn(value, 0, kCounterLimit, snapshots)) {
        problem = "the size of a history does not read";
        return false;
    }
    if (static_cast<size_t>(snapshots) * kSnapshotLines > in.Left()) {
        problem = "the file is cut short";
        return false;
    }
    if (!in.Field("Marks", value) || !MarksValid(value, snapshots)) {
        problem = "the move markers do not read";
        return false;
    }
    h.marks.assign(value);
    if (!in.Field("Actions", value) || !IntsIn(value, 1, kCounterLimit, actions) ||
        std::accumulate(actions.begin(), actions.end(), 0LL) != snapshots) {
        problem = "the player actions do not add up";
        return false;
    }
    if (!in.Field("StepCounters", value)) {
        problem = "the counters of the history do not read";
        return false;
    }
    counters.clear();
    while (!value.empty()) {
        const size_t end = value.find(';');
        GameCounters c;
        if (!CountersIn(value.substr(0, end), c)) {
            problem = "the counters of the history do not read";
            return false;
        }
        counters.push_back(c);
        if (end == std::string_view::npos) break;
        value.remove_prefix(end + 1);
    }
    if (!counters.empty() && static_cast<int>(counters.size()) != snapshots) {
        problem = "the counters of the history do not match it";
        return false;
    }
    for (int k = 0; k < snapshots; ++k) {
        for (int line = 0; line < kSnapshotLines; ++line) {
            if (!in.Field("P", value) || !PileLineValid(value)) {
                problem = "a pile of the history does not read";
                return false;
            }
            const PileKind kind = SnapshotPile(line).kind;
            auto& lines = kind == PileKind::Dest     ? h.foundationLines
                          : kind == PileKind::Fila   ? h.tableauLines
                          : kind == PileKind::Appogg ? h.reserveLines
                                                     : h.stockLines;
            lines.emplace_back(value);
        }
    }
    return true;
}

bool ParseBody(Lines& in, HeldGame& held, std::string& problem) {
    std::string_view value;
    const auto fail = [&](const char* why) {
        problem = why;
        return false;
    };
    if (!in.Field("GameId", value) || !IntIn(value, 0, kMaxGameId, held.gameId))
        return fail("the game does not read");
    if (!in.Field("GameNumber", value) || value.size() != GameNumber::kDigits ||
        !ParseGameNumber(value))
        return fail("the game number does not read");
    held.gameNumber.assign(value);
    if (!in.Field("Definition", value) || value.size() != 16 ||
        value.find_first_not_of("0123456789abcdef") != std::string_view::npos)
        return fail("the definition hash does not read");
    held.definitionHash = std::stoull(std::string(value), nullptr, 16);
    int score = 0;
    if (!in.Field("Score", value) || value.size() > kScoreWidth ||
        !IntIn(value, -99999, 999999, score))
        return fail("the score does not read");
    held.score.assign(value);
    if (!in.Field("Seconds", value) || !IntIn(value, 0, kMaxSeconds, held.seconds))
        return fail("the time does not read");
    if (!in.Field("Counters", value) || !CountersIn(value, held.counters))
        return fail("the counters do not read");
    if (!in.Field("DealFields", value) || !IntsIn(value, INT16_MIN, INT16_MAX, held.dealFields) ||
        held.dealFields.size() != kDealFields)
        return fail("the dealt bases do not read");
    if (!in.Field("Faces", value) || value.size() != CardTable::kCards ||
        value.find_first_not_of("01") != std::string_view::npos)
        return fail("the faces of the cards do not read");
    held.faces.assign(value);
    if (!in.Field("Marked", value) || value.size() % kCardDigits != 0 || !AllDigits(value))
        return fail("the marked cards do not read");
    held.markedCards.assign(value);
    for (int line = 0; line < kSnapshotLines; ++line) {
        if (!in.Field("P", value) || !PileLineValid(value)) return fail("a pile does not read");
        held.table[static_cast<size_t>(line)].assign(value);
    }
    if (!ReadHistory(in, "Undo", held.undo, held.undoActions, held.undoCounters, problem) ||
        !ReadHistory(in, "Redo", held.redo, held.redoActions, held.redoCounters, problem))
        return false;
    // Written only for a game the Demo played in, so that the files of other games read as
    // they always have.
    if (in.Left() == 0) return true;
    if (!in.Field("Demo", value) || value != "1") return fail("the Demo's mark does not read");
    held.demoPlayed = true;
    return true;
}

// The player actions of a history as they stand, or every snapshot its own action when they
// do not add up to the history (PlayHistory makes the same repair).
std::vector<int> ActionsFor(const std::vector<int>& actions, const History& h) {
    if (std::accumulate(actions.begin(), actions.end(), 0) == h.Count()) return actions;
    return std::vector<int>(static_cast<size_t>(h.Count()), 1);
}

std::vector<GameCounters> CountersFor(const std::vector<GameCounters>& counters, const History& h) {
    if (static_cast<int>(counters.size()) == h.Count()) return counters;
    return {};
}

}  // namespace

uint64_t DefinitionHash(const GameDef& def) {
    Fnv h;
    for (int i = 0; i < GameDef::kFields; ++i) {
        const auto v = static_cast<uint16_t>(def[i]);
        h.Byte(static_cast<unsigned char>(v & 0xff));
        h.Byte(static_cast<unsigned char>(v >> 8));
    }
    return h.Value();
}

HeldGame CaptureHeldGame(const PlayContext& ctx, int seconds) {
    const Game& game = ctx.game;
    const SettingsRecord& s = ctx.settings;
    const PlaySession& session = ctx.session;
    HeldGame held;
    held.gameId = static_cast<int>(s.GetInt(field::GameId, -1));
    held.gameNumber = s.Get(field::GameNumber);
    // The definition as it was loaded: the deal rewrites the bases, which are kept apart.
    GameDef loaded = game.def;
    game.savedDealFields.RestoreInto(loaded);
    held.definitionHash = DefinitionHash(loaded);
    for (int line = 0; line < kSnapshotLines; ++line) {
        WriteSnapshotLine(game.cards, game.piles.Get(SnapshotPile(line)),
                          held.table[static_cast<size_t>(line)]);
    }
    for (int card = 1; card <= CardTable::kCards; ++card)
        held.faces += game.cards.CardIsFaceDown(card) ? kFaceDown : kFaceUp;
    for (int j = 0; j < kFoundationBases; ++j)
        held.dealFields.push_back(game.def.At(gd::FoundationBase, j));
    for (int k = 0; k < kTableauBases; ++k)
        held.dealFields.push_back(game.def.At(gd::TableauBase, k));
    held.counters = game.counters;
    held.undo = game.undo;
    held.redo = game.redo;
    held.undoCounters = CountersFor(session.undoCounters, game.undo);
    held.redoCounters = CountersFor(session.redoCounters, game.redo);
    held.undoActions = ActionsFor(session.undoActions, game.undo);
    held.redoActions = ActionsFor(session.redoActions, game.redo);
    held.markedCards = session.markedCards;
    held.score = s.Get(field::Score);
    held.seconds = std::clamp(seconds, 0, kMaxSeconds);
    held.demoPlayed = session.statistics.demoPlayed;
    return held;
}

std::string HeldGameText(const HeldGame& held) {
    std::string out;
    out.append(kHeading).append("\n");
    Line(out, "Version", std::to_string(kHeldGameVersion));
    Line(out, "GameId", std::to_string(held.gameId));
    Line(out, "GameNumber", held.gameNumber);
    Line(out, "Definition", Hex(held.definitionHash));
    Line(out, "Score", held.score.empty() ? "0" : held.score);
    Line(out, "Seconds", std::to_string(held.seconds));
    Line(out, "Counters", CountersText(held.counters));
    Line(out, "DealFields", IntsText(held.dealFields));
    Line(out, "Faces", held.faces);
    Line(out, "Marked", held.markedCards);
    for (const std::string& pile : held.table)
        Line(out, "P", pile);
    WriteHistory(out, "Undo", held.undo, held.undoActions, held.undoCounters);
    WriteHistory(out, "Redo", held.redo, held.redoActions, held.redoCounters);
    if (held.demoPlayed) Line(out, "Demo", "1");
    Line(out, "Check", Hex(TextHash(out)));
    return out;
}

std::optional<HeldGame> ParseHeldGame(std::string_view text, std::string& problem) {
    problem.clear();
    // The checksum line closes the file; everything before it is what it sums.
    const std::string_view checkKey = "\nCheck=";
    const size_t check = text.rfind(checkKey);
    if (check == std::string_view::npos || !text.ends_with('\n')) {
        problem = "the file is cut short";
        return std::nullopt;
    }
    const std::string_view body = text.substr(0, check + 1);
    const std::string_view sum = text.substr(check + checkKey.size());
    if (sum != Hex(TextHash(body)) + "\n") {
        problem = "the file is damaged";
        return std::nullopt;
    }
    Lines in(body);
    std::string_view line, value;
    int version = 0;
    if (!in.Next(line) || line != kHeading) {
        problem = "it is not a held game";
        return std::nullopt;
    }
    if (!in.Field("Version", value) || !IntIn(value, 0, kMaxGameId, version) ||
        version != kHeldGameVersion) {
        problem = "it was written by another version";
        return std::nullopt;
    }
    HeldGame held;
    if (!ParseBody(in, held, problem)) return std::nullopt;
    if (in.Left() != 0) {
        problem = "the file holds more than a held game";
        return std::nullopt;
    }
    return held;
}

bool ResumeHeldGame(PlayContext& ctx, const HeldGame& held, std::string& problem) {
    const Catalogue& catalogue = ctx.catalogue;
    if (!catalogue.Contains(held.gameId)) {
        problem = "its game is not in the catalogue";
        return false;
    }
    const std::string name = catalogue.GameName(held.gameId);
    GameDef fileDef;
    DealFieldsCopy fileDealFields;
    if (!LoadGameDefinition(catalogue, held.gameId, fileDef, fileDealFields).Ok() ||
        DefinitionHash(fileDef) != held.definitionHash) {
        problem = "the rules of " + name + " have changed since";
        return false;
    }

    SettingsRecord& s = ctx.settings;
    s.Put(field::GameId, ZeroPad(held.gameId, 4));
    s.Put(field::GameName, name);
    s.Put(field::GameNumber, held.gameNumber);
    ctx.ui.SetGameCommandsAvailable(true);
    if (!LoadGame(ctx)) {
        problem = "the rules of " + name + " cannot be read";
        return false;
    }

    Game& game = ctx.game;
    for (int j = 0; j < kFoundationBases; ++j)
        game.def.At(gd::FoundationBase, j) = static_cast<int16_t>(held.dealFields[j]);
    for (int k = 0; k < kTableauBases; ++k)
        game.def.At(gd::TableauBase, k) =
            static_cast<int16_t>(held.dealFields[kFoundationBases + k]);
    for (int line = 0; line < kSnapshotLines; ++line) {
        const std::string& text = held.table[static_cast<size_t>(line)];
        Pile& pile = game.piles.Get(SnapshotPile(line));
        pile.clear();
        for (size_t at = 0; at < text.size(); at += kSnapshotCardChars)
            pile.append(text, at, kCardChars);
    }
    for (int card = 1; card <= CardTable::kCards; ++card)
        game.cards.SetCardFace(card, held.faces[static_cast<size_t>(card - 1)]);
    game.counters = held.counters;
    game.undo = held.undo;
    game.redo = held.redo;
    game.pointer = PointerState{};
    PlaySession& session = ctx.session;
    session.undoCounters = held.undoCounters;
    session.redoCounters = held.redoCounters;
    session.undoActions = held.undoActions;
    session.redoActions = held.redoActions;
    session.actionOpen = false;
    session.actionRecorded = false;
    session.markedCards = held.markedCards;
    session.statistics.demoPlayed = held.demoPlayed;
    ctx.layout.columnJitter.Regenerate(ctx.random);

    // In progress, with the clock stopped until the first move.
    RunFlags& flags = game.flags;
    flags.gameInProgress = true;
    flags.gameWon = false;
    flags.clockRunning = false;
    flags.stopRequest = false;
    flags.doubleClickMark = false;
    s.Put(field::Score, held.score);
    ctx.ui.ShowScore(s.Get(field::Score));
    ctx.ui.RefreshCaption();
    ctx.ui.SetPauseQuitAvailable(true);
    ctx.ui.SetBookmarkAvailable(game.def[gd::NoSaveNoUndo] != 1);
    OfferHistorySteps(ctx);
    return true;
}

std::filesystem::path HeldGamePath(const SettingsRecord& settings) {
    return DataDirectory(settings) / kHeldGameFileName;
}

bool HoldGame(const PlayContext& ctx, int seconds) {
    EnsureDataDirectory(ctx.settings);
    return ReplaceFileAtomically(HeldGamePath(ctx.settings),
                                 HeldGameText(CaptureHeldGame(ctx, seconds)));
}

std::optional<HeldGame> ReadHeldGame(const SettingsRecord& settings, std::string& problem) {
    problem.clear();
    if (settings.DataFolder().empty()) return std::nullopt;
    const std::filesystem::path path = HeldGamePath(settings);
    std::string text;
    switch (ReadFileLimited(path, kMaxHeldGameBytes, text)) {
        case FileReadStatus::Missing:
            return std::nullopt;
        case FileReadStatus::Unreadable:
            problem = "the file cannot be read";
            break;
        case FileReadStatus::TooLarge:
            problem = "the file is too large";
            break;
        case FileReadStatus::Ok:
            if (auto held = ParseHeldGame(text, problem)) return held;
            break;
    }
    DiscardHeldGame(settings);
    return std::nullopt;
}

void DiscardHeldGame(const SettingsRecord& settings) {
    // Without a data folder (a table of tools and tests) there is no file to delete.
    if (settings.DataFolder().empty()) return;
    std::error_code ec;
    const std::filesystem::path path = HeldGamePath(settings);
    if (std::filesystem::is_regular_file(path, ec)) std::filesystem::remove(path, ec);
}

std::string HeldGameDiscardedMessage(const std::string& problem) {
    return "The game held at the last exit cannot be resumed (" + problem +
           "): it has been discarded.";
}

}  // namespace tindle
