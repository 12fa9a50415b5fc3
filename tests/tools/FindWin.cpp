// Test tooling: finds a won line of play for a deal and prints it as a move file for
// `tindle-cli play` (without --autoplay). The deal is taken from the engine itself (the game
// dealt by number from the built GAMES.DAT); the search is a plain depth-first search over
// single-card moves (FreeCell) or over moves and stock clicks with unlimited passes
// (Klondike, and Klondike Draw Three by id 3), with the positions already seen left out. Any other
// game is given by its id and searched over the engine's own LegalMoves, each played by PlayMove on
// the engine's game: depth first, or with --nested=LEVEL by the solver's nested Monte Carlo search
// (which suits the one-pass stock games; level 1 is quick, level 2 strong).
//
//   tindle-find-win [--nested=LEVEL] freecell|klondike|GAME_ID GAMES.DAT FIRST_NUMBER
//                   [TRIES [MAX_MOVES [NODES]]]
//
// prints "# <game> <number>" and the moves of the first number from FIRST_NUMBER on whose
// search succeeds within its node budget (the moves played, for the nested search).

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "model/Card.h"
#include "model/LegalMoves.h"
#include "model/MoveText.h"
#include "play/HeadlessPlay.h"
#include "play/PlayMove.h"
#include "solve/NestedSearch.h"

namespace {

using namespace tindle;

// Longer lines of play are not looked for: the move files stay short enough to read.
int kMaxMoves = 200;

bool Red(int c) {
    return CardIsRed(c);
}
int Rank(int c) {
    return CardRank(c);
}
int Suit(int c) {
    return CardSuit(c);
}

std::string Three(int c) {
    char b[8];
    std::snprintf(b, sizeof b, "%03d", c);
    return b;
}

// ---------------------------------------------------------------- FreeCell

struct FcState {
    std::array<std::vector<int>, 8> cols;
    std::array<int, 4> cells{};
    std::array<int, 4> found{};  // by suit: highest rank there
    std::string Key() const {
        std::vector<std::string> c;
        for (const auto& col : cols) {
            std::string s;
            for (int x : col)
                s += static_cast<char>(x);
            c.push_back(s);
        }
        std::sort(c.begin(), c.end());
        std::array<int, 4> cl = cells;
        std::sort(cl.begin(), cl.end());
        std::string k;
        for (auto& s : c)
            k += s + '|';
        for (int x : cl)
            k += static_cast<char>(x + 1);
        for (int x : found)
            k += static_cast<char>(x + 1);
        return k;
    }
    bool Won() const { return found[0] + found[1] + found[2] + found[3] == 52; }
};

struct FcMove {
    int card;
    int kind;  // 0 foundation, 1 column, 2 cell
    int index;
};

bool FcPlaceable(int card, int onto) {
    return onto == 0 || (Red(card) != Red(onto) && Rank(card) + 1 == Rank(onto));
}

class FreeCellSearch {
  public:
    explicit FreeCellSearch(FcState s) : start_(std::move(s)) {}
    bool Run(long budget) {
        budget_ = budget;
        FcState s = start_;
        return Dfs(s);
    }
    std::vector<FcMove> path;

  private:
    bool Dfs(FcState& s) {
        if (s.Won()) return true;
        if (--budget_ < 0 || static_cast<int>(path.size()) >= kMaxMoves) return false;
        if (!seen_.insert(s.Key()).second) return false;
        std::vector<FcMove> moves;
        auto sources = [&](auto&& fn) {
            for (int k = 0; k < 8; ++k)
                if (!s.cols[k].empty()) fn(s.cols[k].back(), 1, k);
            for (int i = 0; i < 4; ++i)
                if (s.cells[i]) fn(s.cells[i], 2, i);
        };
        // Foundations first, then columns (non-empty first), then cells.
        sources([&](int c, int, int) {
            if (s.found[Suit(c)] + 1 == Rank(c)) moves.push_back({c, 0, Suit(c)});
        });
        sources([&](int c, int fromKind, int from) {
            for (int k = 0; k < 8; ++k) {
                if (fromKind == 1 && from == k) continue;
                if (s.cols[k].empty()) continue;
                if (FcPlaceable(c, s.cols[k].back())) moves.push_back({c, 1, k});
            }
        });
        sources([&](int c, int fromKind, int from) {
            if (fromKind == 1 && s.cols[from].size() == 1) return;
            for (int k = 0; k < 8; ++k) {
                if (s.cols[k].empty()) {
                    moves.push_back({c, 1, k});
                    break;
                }
            }
        });
        sources([&](int c, int fromKind, int) {
            if (fromKind == 2) return;
            for (int i = 0; i < 4; ++i) {
                if (!s.cells[i]) {
                    moves.push_back({c, 2, i});
                    break;
                }
            }
        });
        for (const FcMove& m : moves) {
            FcState next = s;
            Apply(next, m);
            path.push_back(m);
            if (Dfs(next)) return true;
            path.pop_back();
        }
        return false;
    }
    static void Apply(FcState& s, const FcMove& m) {
        for (auto& col : s.cols)
            if (!col.empty() && col.back() == m.card) col.pop_back();
        for (int& cell : s.cells)
            if (cell == m.card) cell = 0;
        if (m.kind == 0) s.found[Suit(m.card)] = Rank(m.card);
        if (m.kind == 1) s.cols[m.index].push_back(m.card);
        if (m.kind == 2) s.cells[m.index] = m.card;
    }
    FcState start_;
    long budget_ = 0;
    std::unordered_set<std::string> seen_;
};

// ---------------------------------------------------------------- Klondike

struct KlState {
    std::array<std::vector<int>, 7> cols;
    std::array<int, 7> down{};  // face-down cards at the bottom of each column
    std::vector<int> stock;     // top = back
    std::vector<int> waste;     // top = back
    std::array<int, 4> found{};
    std::string Key() const {
        std::string k;
        for (int i = 0; i < 7; ++i) {
            for (int x : cols[i])
                k += static_cast<char>(x);
            k += static_cast<char>(100 + down[i]);
        }
        k += '|';
        for (int x : stock)
            k += static_cast<char>(x);
        k += '|';
        for (int x : waste)
            k += static_cast<char>(x);
        for (int x : found)
            k += static_cast<char>(x + 1);
        return k;
    }
    bool Won() const { return found[0] + found[1] + found[2] + found[3] == 52; }
};

struct KlMove {
    int card;  // 0: a click on the stock
    int kind;  // 0 foundation, 1 column
    int index;
};

class KlondikeSearch {
  public:
    // turn: the cards a stock click turns (Klondike 1, Klondike Draw Three 3).
    KlondikeSearch(KlState s, int turn) : start_(std::move(s)), turn_(turn) {}
    bool Run(long budget) {
        budget_ = budget;
        KlState s = start_;
        return Dfs(s, 0);
    }
    std::vector<KlMove> path;

  private:
    bool Dfs(KlState& s, int clicksInARow) {
        if (s.Won()) return true;
        if (--budget_ < 0 || static_cast<int>(path.size()) >= kMaxMoves) return false;
        if (!seen_.insert(s.Key()).second) return false;
        std::vector<KlMove> moves;
        // To the foundations: column tops and the waste.
        for (int k = 0; k < 7; ++k) {
            if (s.cols[k].empty()) continue;
            const int c = s.cols[k].back();
            if (s.found[Suit(c)] + 1 == Rank(c)) moves.push_back({c, 0, Suit(c)});
        }
        if (!s.waste.empty()) {
            const int c = s.waste.back();
            if (s.found[Suit(c)] + 1 == Rank(c)) moves.push_back({c, 0, Suit(c)});
        }
        // Runs between columns (the lowest face-up card of a run and every card above it).
        for (int from = 0; from < 7; ++from) {
            const auto& col = s.cols[from];
            for (int p = s.down[from]; p < static_cast<int>(col.size()); ++p) {
                const int c = col[static_cast<size_t>(p)];
                for (int to = 0; to < 7; ++to) {
                    if (to == from) continue;
                    const auto& dest = s.cols[to];
                    if (dest.empty()) {
                        // A King to an empty column, unless it lies at the bottom already.
                        if (Rank(c) == kKing && p > 0) moves.push_back({c, 1, to});
                    } else if (Red(c) != Red(dest.back()) && Rank(c) + 1 == Rank(dest.back())) {
                        moves.push_back({c, 1, to});
                    }
                }
            }
        }
        if (!s.waste.empty()) {
            const int c = s.waste.back();
            for (int to = 0; to < 7; ++to) {
                const auto& dest = s.cols[to];
                if (dest.empty() ? Rank(c) == kKing
                                 : Red(c) != Red(dest.back()) && Rank(c) + 1 == Rank(dest.back())) {
                    moves.push_back({c, 1, to});
                }
            }
        }
        const bool canClick = !s.stock.empty() || s.waste.size() > 1;
        if (canClick && clicksInARow < 60) moves.push_back({0, 0, 0});
        for (const KlMove& m : moves) {
            KlState next = s;
            Apply(next, m);
            path.push_back(m);
            if (Dfs(next, m.card == 0 ? clicksInARow + 1 : 0)) return true;
            path.pop_back();
        }
        return false;
    }
    void Apply(KlState& s, const KlMove& m) const {
        if (m.card == 0) {
            if (s.stock.empty()) {  // the redeal, which turns the first card of the pass too
                s.stock.assign(s.waste.rbegin(), s.waste.rend());
                s.waste.clear();
            }
            for (int i = 0; i < turn_ && !s.stock.empty(); ++i) {
                s.waste.push_back(s.stock.back());
                s.stock.pop_back();
            }
            return;
        }
        std::vector<int> block;
        if (!s.waste.empty() && s.waste.back() == m.card) {
            s.waste.pop_back();
            block.push_back(m.card);
        } else {
            for (int k = 0; k < 7; ++k) {
                auto& col = s.cols[k];
                auto it = std::find(col.begin(), col.end(), m.card);
                if (it == col.end()) continue;
                block.assign(it, col.end());
                col.erase(it, col.end());
                if (static_cast<int>(col.size()) <= s.down[k])
                    s.down[k] = std::max(static_cast<int>(col.size()) - 1, 0);
                if (col.empty()) s.down[k] = 0;
            }
        }
        if (m.kind == 0) {
            s.found[Suit(m.card)] = Rank(m.card);
        } else {
            for (int c : block)
                s.cols[m.index].push_back(c);
        }
    }
    KlState start_;
    int turn_ = 1;
    long budget_ = 0;
    std::unordered_set<std::string> seen_;
};

// ---------------------------------------------------------------- any game

// The order a search tries the engine's legal moves in, lower first: cards home first, then
// moves that build, then moves to empty piles and the stock. -1 leaves a move out: a whole
// column moved to an empty column and a reserve card moved to another reserve only rename the
// position.
int MoveOrder(const Game& g, const Move& m) {
    const int loc = m.card > 0 ? g.Locate(m.card) : 0;
    switch (m.kind) {
        case MoveKind::ToFoundation:
        case MoveKind::TurnUp:
            return 0;
        case MoveKind::ToColumn: {
            const bool toEmpty = PileEmpty(g.piles.fila[static_cast<size_t>(m.index)]);
            if (!LocIsTableau(loc)) return toEmpty ? 3 : 1;
            const Pile& from = g.piles.fila[static_cast<size_t>(loc - 1)];
            const int at = PileFind(from, m.card);
            if (at == 0) return toEmpty ? -1 : 1;  // empties its column
            const int below = PileCardAt(from, at - 1);
            // Uncovering a face-down card first; moving a card off a face-up card last.
            if (g.cards.CardIsFaceDown(below)) return 1;
            return toEmpty ? 4 : 3;
        }
        case MoveKind::ToReserve:
            return LocIsReserve(loc) ? -1 : 4;
        case MoveKind::StockClick:
            return 5;
        case MoveKind::WasteClick:
            return 6;
        default:
            return 2;
    }
}

// The engine's legal moves searched depth first, in MoveOrder.
class GenericSearch {
  public:
    explicit GenericSearch(HeadlessPlay& play) : play_(play) {}
    bool Run(long budget) {
        budget_ = budget;
        return Dfs();
    }
    std::vector<Move> path;

  private:
    // The columns, and the reserves, of every catalogue game share their rules: positions
    // that differ only in the order of those piles are one position.
    std::string Key() const {
        const Game& g = play_.game;
        auto text = [&](const Pile& pile) {
            std::string t;
            for (int p = 0; p < PileCount(pile); ++p) {
                const int c = PileCardAt(pile, p);
                t += static_cast<char>(g.cards.CardIsFaceDown(c) ? c + 110 : c);
            }
            return t + '|';
        };
        auto sorted = [&](const auto& piles) {
            std::vector<std::string> texts;
            for (const Pile& pile : piles)
                texts.push_back(text(pile));
            std::sort(texts.begin(), texts.end());
            std::string t;
            for (const auto& x : texts)
                t += x;
            return t;
        };
        std::string k;
        for (const Pile& pile : g.piles.mazzo)
            k += text(pile);
        for (const Pile& pile : g.piles.dest)
            k += text(pile);
        k += sorted(g.piles.fila) + sorted(g.piles.appogg);
        k += static_cast<char>(g.counters.passCounter);
        return k;
    }

    bool Dfs() {
        if (play_.ctx.session.lastGameWon) return true;
        if (--budget_ < 0 || static_cast<int>(path.size()) >= kMaxMoves) return false;
        if (!seen_.insert(std::hash<std::string>{}(Key())).second) return false;
        std::vector<Move> moves;
        LegalMoves(play_.game, moves);
        std::vector<std::pair<int, Move>> ranked;
        for (const Move& m : moves) {
            const int r = MoveOrder(play_.game, m);
            if (r >= 0) ranked.push_back({r, m});
        }
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        // On the heap: a deep search would overflow the stack with games.
        const auto saved = std::make_unique<Game>(play_.game);
        for (const auto& [r, m] : ranked) {
            if (!PlayMove(play_.ctx, m)) {
                play_.game = *saved;
                continue;
            }
            path.push_back(m);
            if (Dfs()) return true;
            path.pop_back();
            play_.game = *saved;
            play_.ctx.session.lastGameWon = false;
            if (budget_ < 0) return false;
        }
        return false;
    }

    HeadlessPlay& play_;
    long budget_ = 0;
    std::unordered_set<size_t> seen_;
};

// ---------------------------------------------------------------- output

// The pile names of the moves, by replaying them on the engine's piles: a foundation is the
// one holding the suit or the first empty one, as the engine's foundations take any Ace.
int main2(int argc, char** argv) {
    int nested = 0;
    if (argc > 1 && std::string(argv[1]).rfind("--nested=", 0) == 0) {
        nested = std::atoi(argv[1] + 9);
        --argc;
        ++argv;
    }
    if (argc < 4 || nested < 0) {
        std::fprintf(stderr,
                     "usage: tindle-find-win [--nested=LEVEL] freecell|klondike|GAME_ID GAMES.DAT "
                     "FIRST_NUMBER "
                     "[TRIES [MAX_MOVES [NODES]]]\n");
        return 2;
    }
    const std::string which = argv[1];
    const int gameId = which == "freecell" ? 1 : which == "klondike" ? 2 : std::atoi(argv[1]);
    const long long first = std::atoll(argv[3]);
    const int tries = argc > 4 ? std::atoi(argv[4]) : 50;
    if (argc > 5) kMaxMoves = std::atoi(argv[5]);
    const long nodes = argc > 6 ? std::atol(argv[6]) : 2000000;
    for (long long n = first; n < first + tries; ++n) {
        HeadlessPlay play;
        std::string error;
        const auto number = ParseGameNumber(std::to_string(n));
        if (!play.Open(argv[2], gameId, *number, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        const Game& g = play.game;
        std::vector<std::string> lines;
        std::array<int, 4> suitFoundation{-1, -1, -1, -1};
        int nextFoundation = 0;
        auto foundationOf = [&](int suit) {
            if (suitFoundation[suit] < 0) suitFoundation[suit] = nextFoundation++;
            return suitFoundation[suit] + 1;
        };
        bool found = false;
        if (gameId > 3 && nested > 0) {
            const SolveBudget budget{nodes, std::numeric_limits<long>::max()};
            const NestedResult search =
                NestedSearch(play.ctx, nested, budget, nullptr, static_cast<uint32_t>(n));
            found = search.won;
            std::fprintf(stderr, "%s: best line scores %d\n", number->Text().c_str(), search.score);
            for (const Move& m : search.moves)
                lines.push_back(MoveText(m));
        } else if (gameId > 3) {
            GenericSearch search(play);
            found = search.Run(nodes);
            for (const Move& m : search.path)
                lines.push_back(MoveText(m));
        } else if (gameId == 1) {
            FcState s;
            for (int k = 0; k < 8; ++k)
                for (int p = 0; p < PileCount(g.piles.fila[k]); ++p)
                    s.cols[k].push_back(PileCardAt(g.piles.fila[k], p));
            FreeCellSearch search(s);
            found = search.Run(2000000);
            for (const FcMove& m : search.path) {
                const std::string pile = m.kind == 0
                                             ? "Dest" + std::to_string(foundationOf(Suit(m.card)))
                                         : m.kind == 1 ? "Fila" + std::to_string(m.index + 1)
                                                       : "Appogg" + std::to_string(m.index + 1);
                lines.push_back(Three(m.card) + " " + pile);
            }
        } else {
            KlState s;
            for (int k = 0; k < 7; ++k) {
                for (int p = 0; p < PileCount(g.piles.fila[k]); ++p)
                    s.cols[k].push_back(PileCardAt(g.piles.fila[k], p));
                s.down[k] = static_cast<int>(s.cols[k].size()) - 1;
            }
            for (int p = 0; p < PileCount(g.piles.Stock()); ++p)
                s.stock.push_back(PileCardAt(g.piles.Stock(), p));
            KlondikeSearch search(s, gameId == 3 ? 3 : 1);
            found = search.Run(3000000);
            for (const KlMove& m : search.path) {
                if (m.card == 0) {
                    lines.push_back("click Mazzo");
                } else {
                    const std::string pile =
                        m.kind == 0 ? "Dest" + std::to_string(foundationOf(Suit(m.card)))
                                    : "Fila" + std::to_string(m.index + 1);
                    lines.push_back(Three(m.card) + " " + pile);
                }
            }
        }
        if (!found) continue;
        const std::string title = gameId > 2 ? play.catalogue.GameName(gameId) : which;
        const std::string how =
            gameId > 3 && nested > 0 ? " --nested=" + std::to_string(nested) : "";
        std::printf("# %s %s: a won game, found by tests/tools/FindWin.cpp%s\n", title.c_str(),
                    number->Text().c_str(), how.c_str());
        for (const auto& l : lines)
            std::printf("%s\n", l.c_str());
        return 0;
    }
    std::fprintf(stderr, "no won game found\n");
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    return main2(argc, argv);
}
