// tindle-cli signature [GAMES.DAT]: one hash over the rules of the whole catalogue, printed as
// "<16 hex digits> <positions>". For every catalogue game it deals a fixed list of numbers
// and from each deal walks a fixed-seed course of LegalMoves with undos and redos (an undo
// where no move is left); the hash takes in every position reached (the piles, the face of
// every card, the pass counter and the won flag) and every list of legal moves. A change of
// any rule that the walks meet changes the signature; tests/data/signature.txt holds the
// value the rules must give.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliGamesDat.h"
#include "model/Catalogue.h"
#include "model/GameNumber.h"
#include "model/LegalMoves.h"
#include "play/Commands.h"
#include "play/HeadlessPlay.h"
#include "play/PlayMove.h"

namespace tindle::cli {

namespace {

constexpr const char* kNumbers[] = {"0000000000001", "0000000000003", "0000000004711",
                                    "1234567890123", "5080000000302", "9999999999999"};
constexpr int kSteps = 160;

// FNV-1a, 64 bits.
class Hash {
  public:
    void Bytes(const void* data, size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < n; ++i) {
            value_ ^= p[i];
            value_ *= 1099511628211ull;
        }
    }
    void Int(int v) { Bytes(&v, sizeof v); }
    void Text(const std::string& s) {
        Int(static_cast<int>(s.size()));
        Bytes(s.data(), s.size());
    }
    uint64_t Value() const { return value_; }

  private:
    uint64_t value_ = 14695981039346656037ull;
};

// The walk's own generator (splitmix64), the same on every platform.
class Steps {
  public:
    explicit Steps(uint64_t seed) : state_(seed) {}
    int Below(int n) { return n < 1 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }

  private:
    uint64_t Next() {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    uint64_t state_;
};

void HashPosition(Hash& h, const Game& game) {
    for (const Pile& p : game.piles.mazzo)
        h.Text(p);
    for (const Pile& p : game.piles.dest)
        h.Text(p);
    for (const Pile& p : game.piles.fila)
        h.Text(p);
    for (const Pile& p : game.piles.appogg)
        h.Text(p);
    for (int c = 1; c <= CardTable::kCards; ++c)
        h.Int(game.cards.CardIsFaceDown(c));
    h.Int(game.counters.passCounter);
    h.Int(game.flags.gameWon);
}

void HashMoves(Hash& h, const std::vector<Move>& moves) {
    h.Int(static_cast<int>(moves.size()));
    for (const Move& m : moves) {
        h.Int(static_cast<int>(m.kind));
        h.Int(m.index);
        h.Int(m.card);
    }
}

// One deal and its walk; false when the game cannot be opened.
bool Walk(const std::filesystem::path& gamesDat, int gameId, const GameNumber& number,
          bool autoplay, uint64_t seed, Hash& h, long& positions, std::string& error) {
    HeadlessPlay play;
    play.ui.autoplayTicked = autoplay;
    if (!play.Open(gamesDat, gameId, number, error)) return false;
    HashPosition(h, play.game);
    ++positions;
    Steps steps(seed);
    std::vector<Move> moves;
    for (int step = 0; step < kSteps && play.game.flags.gameInProgress; ++step) {
        LegalMoves(play.game, moves);
        HashMoves(h, moves);
        // A position without a legal move is left by undoing.
        const int roll = moves.empty() ? 0 : steps.Below(100);
        if (roll < 8) {
            h.Int(UndoCommand(play.ctx));
        } else if (roll < 12) {
            h.Int(RedoCommand(play.ctx));
        } else {
            const Move& m = moves[static_cast<size_t>(steps.Below(static_cast<int>(moves.size())))];
            h.Int(PlayMove(play.ctx, m));
        }
        HashPosition(h, play.game);
        ++positions;
    }
    return true;
}

int Signature(const CliArgs& args) {
    if (args.size() > 1) return UsageError("signature");
    const std::filesystem::path gamesDat = GamesDatArgument(args, 0);
    Catalogue catalogue;
    if (auto status = catalogue.Read(gamesDat); !status.Ok()) return Fail(status.error);
    Hash h;
    long positions = 0;
    uint64_t seed = 1;
    for (const CatalogueEntry& entry : catalogue.Entries()) {
        h.Int(entry.gameId);
        for (const char* text : kNumbers) {
            const GameNumber number = *ParseGameNumber(text);
            std::string error;
            const bool autoplay = seed % 2 == 0;
            if (!Walk(gamesDat, entry.gameId, number, autoplay, seed++, h, positions, error)) {
                return Fail(error);
            }
        }
    }
    std::printf("%016llx %ld\n", static_cast<unsigned long long>(h.Value()), positions);
    return 0;
}

const CliRegistrar kRegister("signature", "signature [GAMES.DAT]", Signature);

}  // namespace

}  // namespace tindle::cli
