#include "solve/Solver.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <optional>
#include <string>

#include "model/CardPlaces.h"
#include "model/Game.h"
#include "model/History.h"
#include "model/LegalMoves.h"
#include "model/MoveRules.h"
#include "model/UsedPiles.h"
#include "play/PlayContext.h"
#include "play/PlayMove.h"
#include "shell/settings/SettingsRecord.h"
#include "solve/MoveOrder.h"
#include "solve/NestedSearch.h"
#include "solve/PositionKey.h"
#include "solve/SafeMoves.h"
#include "solve/SearchScope.h"
#include "solve/StockCycle.h"
#include "solve/StuckCards.h"

namespace tindle {

std::string_view VerdictName(SolveVerdict verdict) {
    switch (verdict) {
        case SolveVerdict::Won:
            return "won";
        case SolveVerdict::Lost:
            return "lost";
        default:
            return "unknown";
    }
}

namespace {

// The clock is read once per this many positions.
constexpr long kClockStride = 64;

// The beam search's width: the positions kept at each depth; and how many of each position's
// best moves may enter the next depth, so that the beam does not fill with the lines of one
// position that differ only a little (a beam of such lines soon meets only positions seen).
constexpr size_t kBeamWidth = 200;
constexpr size_t kBeamPerPosition = 3;

// What a move changed besides the cards it moved: when none of it changed, playing the card
// back gives the position before the move again.
struct Tally {
    int faceDown = 0;
    int onFoundations = 0;
    int stock = 0;
    int waste = 0;
    bool operator==(const Tally&) const = default;
};

// Of a game or of a position kept from one.
template <typename Position>
Tally TallyOf(const Position& position) {
    Tally t;
    for (int c = 1; c <= CardTable::kCards; ++c)
        t.faceDown += position.cards.CardIsFaceDown(c) ? 1 : 0;
    for (const Pile& p : position.piles.dest)
        t.onFoundations += PileCount(p);
    t.stock = PileCount(position.piles.Stock());
    t.waste = PileCount(position.piles.Waste());
    return t;
}

// What a postponed move (the long comment above DutyKey) asks of the moves after it: a move
// that builds on `cover`, or else one that brings down `beneath`, the card `cover` left on its
// foundation.
struct Duty {
    int cover = 0;  // 0: no duty
    int beneath = 0;

    // Whether the use may bring a card down, and so may also be the use of another postponed
    // move, the one that the card comes down onto.
    bool Shared() const { return beneath != 0; }
    uint64_t Code() const { return static_cast<uint64_t>(cover + 64 * beneath); }
};

// A move of a frame, played once to rate it and again to descend into it.
struct Child {
    Move move;
    int merit = 0;
    std::optional<PileRef> source;  // where the moved card came from
    bool plain = false;             // the move changed nothing but the place of its cards
    int clicks = 0;                 // stock clicks played before the move (a cycling stock)
    Duty duty;                      // the move's own
    Duty pending;                   // a shared duty not met yet, which the moves since then kept
};

constexpr Move kStockClick{MoveKind::StockClick, 0, 0};

// Two kinds of move can wait until just before the first later move that uses their card, in
// some shortest winning line ("postponed" moves).
//
// A card played from a cycling stock to a column (on card t, or into an empty column): its
// first later use cannot take it alone on, to a column or home, as playing it there straight
// from the stock would be shorter; if it carries the card on top of a run from under it, the
// run moved without it and the card played after it is as short. So its use builds on it.
// Every move before that leaves the card alone and t too (the card covers it), and none needs
// the card out of the stock, whose other cards still come up by clicks in the same cyclic
// order.
//
// A card brought off a foundation to a column: likewise, except that bringing down the card it
// covered on its foundation is a use too. Its first use cannot take it home again (leaving out
// the trip would be shorter); every move before it leaves its foundation alone, as only the
// card itself goes onto the one beneath it (one deck).
//
// Take a shortest winning line. Postponing such a move to just before its use moves the sum of
// the places of the postponed moves on whenever another kind of move lay between; so after
// finitely many, only postponed moves lie between each one and its use. Postponed moves turn
// no card up: a card that will build on the card must already be in reach when it is played.
// One move is the use of at most two postponed moves: of the one it builds on, and of the one
// whose card it brings down from beneath (a card played from the stock, and a Three brought
// down onto it from under the Four brought down before). So each run of postponed moves and the
// move after it form trees, each postponed move under its use, and any order that puts each
// before its use is a line as good (two in a row, the second not using the first, trade
// places). Put the one that is built on last of the two before their shared use: a card played
// from the stock, or one off a foundation that covered none there, is then followed at once by
// a move that builds on it. A card off a foundation that covered one may be followed by other
// postponed moves, and by nothing else until its use (`pending`).
//
// After such a move the search tries only the moves that may follow it. SafeFoundationMove,
// which would put another move first, waits until no duty is left: no postponed move lies
// between a safe card's place in the line and its move home. It holds for the plain rules
// OffFoundationRule knows: there a card goes to the same places from the waste as from a
// column, and its runs may be lifted from any card.
//
// A position with a duty has fewer lines than the same position without it: it is keyed
// apart, by the duty's cards (`duty`); where the position without a duty was searched, the
// duty's lines were among its own.
uint64_t DutyKey(uint64_t key, uint64_t duty) {
    return key ^ (0x9e3779b97f4a7c15ull * (duty + 1));
}

// Of the moves of one card into empty piles that are alike (free cells, columns) only the
// first is kept: the others lead to the same position with the piles in another order.
void DropTwinMoves(const Game& game, const PositionKeys& keys, std::vector<Move>& moves) {
    auto intoEmptyTwin = [&](const Move& m) {
        if (m.kind == MoveKind::ToReserve) {
            return keys.ReservesAlike() &&
                   PileEmpty(game.piles.appogg[static_cast<size_t>(m.index)]);
        }
        if (m.kind == MoveKind::ToColumn) {
            return keys.ColumnsAlike() && PileEmpty(game.piles.fila[static_cast<size_t>(m.index)]);
        }
        return false;
    };
    std::vector<Move> kept;
    kept.reserve(moves.size());
    for (const Move& m : moves) {
        const bool twin = intoEmptyTwin(m) && !kept.empty() && kept.back().card == m.card &&
                          kept.back().kind == m.kind && intoEmptyTwin(kept.back());
        if (!twin) kept.push_back(m);
    }
    moves.swap(kept);
}

// One position of the search path: the state play works on, its moves still to try and the
// move that led to it.
struct Frame : SearchPosition {
    std::vector<Child> children;
    size_t next = 0;
    Child via;
    // The tally of the frame's position, taken the first time a child asks for it.
    std::optional<Tally> tally;
};

class Search {
  public:
    Search(PlayContext& ctx, const SolveBudget& budget, const std::atomic<bool>* cancel, bool bold,
           uint64_t jitter)
        : ctx_(ctx),
          budget_(budget),
          cancel_(cancel),
          bold_(bold),
          jitter_(jitter),
          autoplay_(AutoplayOn(ctx)),
          keys_(ctx.game, autoplay_),
          offFoundation_(ctx.game, autoplay_),
          memo_(ctx.game),
          quietTurns_(keys_.StockCycles() && ClicksOnlyTurn(ctx.game)),
          stockToColumn_(keys_.StockCycles() && offFoundation_.Applies()),
          offFoundationToColumn_(offFoundation_.Applies()),
          onlyMovesBringCards_(ClicksOnlyTurn(ctx.game) && !keys_.StockDealsToPiles()),
          stuck_(ctx.game, onlyMovesBringCards_, keys_.ColumnsAlike()),
          stuckOnlyAfterHome_(!autoplay_ && onlyMovesBringCards_) {}

    SolveResult Run() {
        start_ = std::chrono::steady_clock::now();
        SolveResult result;
        if (!ctx_.game.flags.gameInProgress) {
            result.verdict = ctx_.game.flags.gameWon || ctx_.session.lastGameWon
                                 ? SolveVerdict::Won
                                 : SolveVerdict::Lost;
            return result;
        }
        const SearchScope scope(ctx_);
        DropPlayHistory(ctx_.game);
        seen_.Insert(keys_.Key(ctx_.game));
        if (stuck_.AnyStuck(ctx_.game)) {
            result.verdict = SolveVerdict::Lost;
            return result;
        }
        result.verdict = Push(Child{});
        const std::vector<Child>& first = frames_[0].children;
        if (!first.empty()) {
            result.firstMove = first[0].clicks > 0 ? kStockClick : first[0].move;
        }
        if (result.verdict == SolveVerdict::Lost) result.verdict = Explore();
        result.moves = std::move(solution_);
        if (!result.moves.empty()) result.firstMove = result.moves.front();
        result.positions = positions_;
        result.milliseconds = Elapsed();
        return result;
    }

    // A beam search: depth by depth, of the `perPosition` best moves of each position kept (by
    // the merit the depth-first search orders them by) the `width` best positions are kept for
    // the next depth, the others dropped; a position seen before is not kept again. It leaves
    // lines the depth-first search would stay in, so it may find a win that search spends its
    // budget before; it ends when no new position is left to keep, and never exhausts
    // anything: won or unknown.
    SolveResult RunBeam(size_t width, size_t perPosition) {
        start_ = std::chrono::steady_clock::now();
        SolveResult result;
        if (!ctx_.game.flags.gameInProgress) return Run();
        const SearchScope scope(ctx_);
        DropPlayHistory(ctx_.game);
        seen_.Insert(keys_.Key(ctx_.game));
        // The frames of a level and of the next are kept from level to level and only ever
        // grow: a frame's card table and piles cost more to make anew than to copy into.
        std::vector<Frame> beam(1);
        size_t beamSize = 1;
        Keep(beam[0]);
        // Each level's positions as the move that led to them and their place in the level
        // before, to write the winning line.
        std::vector<std::vector<BeamStep>> levels{{BeamStep{}}};
        std::vector<Frame> next;
        bool ended = false;  // won, or the budget spent
        while (beamSize > 0 && !ended) {
            std::vector<BeamPick> picks;
            for (size_t i = 0; i < beamSize && !ended; ++i) {
                Restore(beam[i]);
                FollowLine(levels, i);
                const SolveVerdict v = Rate(beam[i]);
                result.verdict = v == SolveVerdict::Won ? v : SolveVerdict::Unknown;
                ended = v != SolveVerdict::Lost;
                const size_t offered = std::min(perPosition, beam[i].children.size());
                for (size_t j = 0; j < offered; ++j)
                    picks.push_back({beam[i].children[j].merit, i, j});
            }
            if (ended) break;
            const size_t kept = std::min(width, picks.size());
            std::partial_sort(
                picks.begin(), picks.begin() + static_cast<long>(kept), picks.end(),
                [](const BeamPick& a, const BeamPick& b) { return a.merit > b.merit; });
            if (next.size() < kept) next.resize(kept);
            std::vector<BeamStep> level;
            for (size_t k = 0; k < kept; ++k) {
                const Child& child = beam[picks[k].parent].children[picks[k].child];
                Restore(beam[picks[k].parent]);
                if (!PlayWithClicks(child)) continue;
                Tidy();
                Keep(next[level.size()]);
                next[level.size()].via = child;
                level.push_back({picks[k].parent, child});
            }
            beamSize = level.size();
            beam.swap(next);
            levels.push_back(std::move(level));
        }
        result.moves = std::move(solution_);
        if (!result.moves.empty()) result.firstMove = result.moves.front();
        result.positions = positions_;
        result.milliseconds = Elapsed();
        return result;
    }

  private:
    // A position of a beam level: the move that led to it from its place in the level before.
    struct BeamStep {
        size_t parent = 0;
        Child via;
    };
    struct BeamPick {
        int merit = 0;
        size_t parent = 0;
        size_t child = 0;
    };

    // The path of frames_ set to the line that leads to position `at` of the last beam level,
    // as Try writes a win from it.
    void FollowLine(const std::vector<std::vector<BeamStep>>& levels, size_t at) {
        const size_t depth = levels.size();
        if (frames_.size() < depth) frames_.resize(depth);
        for (size_t d = depth; d-- > 1;) {
            frames_[d].via = levels[d][at].via;
            at = levels[d][at].parent;
        }
        depth_ = depth;
    }

    // Lost: nothing left to search; won and unknown end the search at once.
    SolveVerdict Explore() {
        while (depth_ > 0) {
            Frame& frame = frames_[depth_ - 1];
            if (frame.next == frame.children.size()) {
                --depth_;
                continue;
            }
            const Child child = frame.children[frame.next++];
            Restore(frame);
            if (!PlayWithClicks(child)) continue;
            Tidy();
            if (const SolveVerdict v = Push(child); v != SolveVerdict::Lost) return v;
        }
        return SolveVerdict::Lost;
    }

    bool PlayWithClicks(const Child& child) {
        for (int i = 0; i < child.clicks; ++i) {
            if (!TurnStock()) return false;
        }
        return PlayMove(ctx_, child.move);
    }

    // Every move of the position in ctx is played once: a win ends the search, a position met
    // before is left out, the others are rated and kept best first. Where the stock cycles, its
    // clicks are no moves of their own: each card the clicks bring to the waste top is played
    // from there, after as many clicks as it takes (a line of play that wins may always make
    // its clicks just before it plays the card they bring).
    SolveVerdict Rate(Frame& frame) {
        frame.children.clear();
        frame.next = 0;
        frame.tally.reset();
        const Child& via = frame.via;
        if (Bound(via)) {
            if (via.duty.cover != 0 && !via.duty.Shared()) {
                CoverMoves(via.duty.cover, moves_);
            } else {
                LegalMoves(ctx_.game, moves_, &memo_);
            }
            std::erase_if(
                moves_, [&](const Move& m) { return !MayFollow(via, m, MovePlace(ctx_.game, m)); });
        } else {
            LegalMoves(ctx_.game, moves_, &memo_);
            const int safe = SafeFoundationMove(ctx_.game, moves_, offFoundation_);
            if (safe >= 0) {
                const Move only = moves_[static_cast<size_t>(safe)];
                moves_.assign(1, only);
            }
        }
        DropTwinMoves(ctx_.game, keys_, moves_);
        bool cycle = false;
        if (keys_.StockCycles()) {
            const auto click = std::find(moves_.begin(), moves_.end(), kStockClick);
            cycle = click != moves_.end();
            if (cycle) moves_.erase(click);
        }
        bool live = true;
        for (const Move& move : moves_) {
            // Playing back the card the last move took away gives the position before it.
            if (frame.via.plain && move.card == frame.via.move.card &&
                MoveTarget(move) == frame.via.source) {
                continue;
            }
            if (!live) Restore(frame);
            live = true;
            const auto from = MovePlace(ctx_.game, move);
            if (!Worth(move, from)) continue;
            live = false;
            if (const SolveVerdict v = Try(frame, move, from, 0); v != SolveVerdict::Lost) {
                return v;
            }
        }
        if (cycle) {
            if (!live) Restore(frame);
            if (const SolveVerdict v = TryStockCycle(frame); v != SolveVerdict::Lost) {
                return v;
            }
        }
        std::stable_sort(frame.children.begin(), frame.children.end(),
                         [](const Child& a, const Child& b) { return a.merit > b.merit; });
        return SolveVerdict::Lost;
    }

    // Whether the move builds on `card` in a column, or is the click that may bring such a
    // card up.
    bool Covers(const Move& move, int card) const {
        if (move == kStockClick) return true;
        if (move.kind != MoveKind::ToColumn) return false;
        return PileTop(ctx_.game.piles.fila[static_cast<size_t>(move.index)]) == card;
    }

    static bool Bound(const Child& via) { return via.duty.cover != 0 || via.pending.cover != 0; }

    // Whether the move uses the duty's card.
    bool Uses(const Duty& duty, const Move& move) const {
        return Covers(move, duty.cover) || (duty.beneath != 0 && move.card == duty.beneath);
    }

    // Whether the move (its card taken `from`) may follow `via`: it uses the card of via's
    // duty, or that duty is shared and the move is postponed; and while a shared duty is
    // pending, every move uses its card or is postponed.
    bool MayFollow(const Child& via, const Move& move, const std::optional<CardPlace>& from) const {
        if (move == kStockClick) return true;
        const bool postponed = Postponed(move, from);
        if (via.duty.cover != 0 && !Uses(via.duty, move) && !(via.duty.Shared() && postponed)) {
            return false;
        }
        return via.pending.cover == 0 || postponed || Uses(via.pending, move);
    }

    // Whether the move (its card taken `from`) is a postponed one: a card played from a cycling
    // stock or brought off a foundation to a column, where the rules let it wait.
    bool Postponed(const Move& move, const std::optional<CardPlace>& from) const {
        if (move.kind != MoveKind::ToColumn || !from) return false;
        return (stockToColumn_ && from->pile.kind == PileKind::MazzoVis) ||
               (offFoundationToColumn_ && from->pile.kind == PileKind::Dest);
    }

    // The moves LegalMoves lists that build on `card`, the top card of a column, and the stock's
    // click (the cards it brings up are tried by TryStockCycle): only the cards some column
    // builds on it, where they lie, need asking.
    void CoverMoves(int card, std::vector<Move>& out) const {
        out.assign(1, kStockClick);
        const Game& game = ctx_.game;
        int column = 0;
        while (column < UsedColumnCount(game) &&
               PileTop(game.piles.fila[static_cast<size_t>(column)]) != card) {
            ++column;
        }
        if (column == UsedColumnCount(game)) return;
        for (uint64_t h = offFoundation_.Holders(card); h != 0; h &= h - 1) {
            const int holder = std::countr_zero(h);
            const auto place = FindCard(game, holder);
            if (!place || place->pile.kind == PileKind::Mazzo) continue;
            const PileRef target{PileKind::Fila, column};
            if (MayLift(game, *place, Gesture::Drag) &&
                Accepts(game, *place, target, Mover::Player)) {
                out.push_back({MoveKind::ToColumn, column, holder});
            }
        }
    }

    // Whether a card that builds on `card` could be moved onto it next: one not face down in a
    // column (the stock's cards come up by clicks, the foundations' may come down).
    bool AnyHolderInReach(int card) const {
        for (uint64_t h = offFoundation_.Holders(card); h != 0; h &= h - 1) {
            const int holder = std::countr_zero(h);
            // The face first: only a face-down card needs looking for.
            if (!ctx_.game.cards.CardIsFaceDown(holder)) return true;
            const auto place = FindCard(ctx_.game, holder);
            if (!place || place->pile.kind != PileKind::Fila) return true;
        }
        return false;
    }

    // Whether the move in the position in ctx (its card taken `from` there) is worth playing
    // at all.
    bool Worth(const Move& move, const std::optional<CardPlace>& from) const {
        if (bold_ && IsShuffle(ctx_.game, move, from)) return false;
        const bool home = move.kind == MoveKind::ToFoundation;
        if (home && !keys_.FoundationsAlike()) return true;
        if (!from || from->pile.kind != PileKind::Dest) return true;
        // Between foundations alike a card only changes places with itself; elsewhere a card
        // comes down from a foundation only when something could be built on it.
        return !home && offFoundation_.MayServe(ctx_.game, move.card);
    }

    // The move played in the position in ctx (reached by `clicks` stock clicks from the
    // frame's position, its card taken `from` there); a new position becomes a child of the
    // frame.
    SolveVerdict Try(Frame& frame, const Move& move, const std::optional<CardPlace>& from,
                     int clicks) {
        std::optional<PileRef> source;
        if (from) source = from->pile;
        Child child{move, MoveMerit(ctx_.game, move, from), source, false, clicks, {}, {}};
        if (Postponed(move, from)) {
            Duty& duty = child.duty;
            duty.cover = move.card;
            if (child.source->kind == PileKind::Dest) {
                const Pile& home = ctx_.game.piles.Get(*child.source);
                duty.beneath = PileCardAt(home, PileCount(home) - 2);
            }
            if (!duty.Shared() && !AnyHolderInReach(move.card)) return SolveVerdict::Lost;
        }
        if (child.duty.Shared()) {
            child.pending = child.duty;
        } else if (frame.via.pending.cover != 0 && !Uses(frame.via.pending, move)) {
            child.pending = frame.via.pending;
        }
        if (!PlayMove(ctx_, move)) return SolveVerdict::Lost;
        ++positions_;
        if (ctx_.session.lastGameWon) {
            for (size_t d = 1; d < depth_; ++d)
                AppendLine(frames_[d].via);
            AppendLine(child);
            return SolveVerdict::Won;
        }
        if (OverBudget()) return SolveVerdict::Unknown;
        Tidy();
        uint64_t key = keys_.Key(ctx_.game);
        if (Bound(child)) {
            // The position searched without a duty tried every line the duty allows.
            if (seen_.Contains(key)) return SolveVerdict::Lost;
            key = DutyKey(key, child.duty.Code() | child.pending.Code() << 20);
        }
        if (!seen_.Insert(key)) return SolveVerdict::Lost;
        if ((!stuckOnlyAfterHome_ || move.kind == MoveKind::ToFoundation) &&
            stuck_.AnyStuck(ctx_.game)) {
            return SolveVerdict::Lost;
        }
        if (clicks == 0 && !frame.tally) frame.tally = TallyOf(frame);
        child.plain = clicks == 0 && TallyOf(ctx_.game) == *frame.tally;
        child.merit = PositionMerit(ctx_.game) + child.merit / 10;
        child.merit += Jitter(key);
        frame.children.push_back(child);
        return SolveVerdict::Lost;
    }

    // The stock clicked round its whole cycle from the frame's position; every move of the
    // card on the waste top after each click is tried.
    SolveVerdict TryStockCycle(Frame& frame) {
        const int length = PileCount(ctx_.game.piles.Stock()) + PileCount(ctx_.game.piles.Waste());
        // With a duty not shared, only the cards that build on its card are worth bringing up.
        const Duty& duty = frame.via.duty;
        const uint64_t wanted =
            duty.cover != 0 && !duty.Shared() ? offFoundation_.Holders(duty.cover) : ~uint64_t{0};
        for (int clicks = 1; clicks <= length; ++clicks) {
            if (!TurnStock()) break;
            const int top = PileTop(ctx_.game.piles.Waste());
            if (top < 64 && (wanted >> top & 1) == 0) continue;
            WasteTopMoves(cycleMoves_, frame.via);
            if (cycleMoves_.empty()) continue;
            Keep(clicked_);
            // Every one of them takes the waste's top card.
            const std::optional<CardPlace> from =
                CardPlace{{PileKind::MazzoVis, 0}, PileCount(ctx_.game.piles.Waste()) - 1};
            for (const Move& move : cycleMoves_) {
                if (Worth(move, from)) {
                    const SolveVerdict v = Try(frame, move, from, clicks);
                    if (v != SolveVerdict::Lost) return v;
                }
                Restore(clicked_);
            }
        }
        return SolveVerdict::Lost;
    }

    // The moves of the waste's top card (as LegalMoves lists them, for this card alone); after
    // `via`, a move with a duty, only those that may follow it (MayFollow).
    void WasteTopMoves(std::vector<Move>& out, const Child& via) {
        out.clear();
        const Game& game = ctx_.game;
        const Pile& waste = game.piles.Waste();
        const int top = PileTop(waste);
        const CardPlace place{{PileKind::MazzoVis, 0}, PileCount(waste) - 1};
        if (top < 1 || !MayLift(game, place, Gesture::Drag)) return;
        auto offer = [&](MoveKind kind, PileKind pile, int count) {
            for (int i = 0; i < count; ++i) {
                if (Bound(via) && !MayFollow(via, {kind, i, top}, place)) continue;
                if (!memo_.MayTake(game, {pile, i}, top)) continue;
                if (Accepts(game, place, {pile, i}, Mover::Player)) out.push_back({kind, i, top});
            }
        };
        offer(MoveKind::ToFoundation, PileKind::Dest, UsedFoundationCount(game));
        offer(MoveKind::ToColumn, PileKind::Fila, UsedColumnCount(game));
        offer(MoveKind::ToReserve, PileKind::Appogg, UsedReserveCount(game));
    }

    // One click of a cycling stock: where it only turns the cycle, turned here without the
    // click's pointer, drawing, score and history (StockCycle.h).
    bool TurnStock() {
        if (quietTurns_) return TurnCycle(ctx_.game);
        if (!PlayMove(ctx_, kStockClick)) return false;
        Tidy();
        return true;
    }

    void AppendLine(const Child& child) {
        solution_.insert(solution_.end(), static_cast<size_t>(child.clicks), kStockClick);
        solution_.push_back(child.move);
    }

    void Tidy() { DropPlayHistory(ctx_.game); }

    // A new frame for the position in ctx (reusing the storage of an earlier one), rated.
    SolveVerdict Push(const Child& via) {
        if (frames_.size() == depth_) frames_.emplace_back();
        Frame& f = frames_[depth_];
        Keep(f);
        f.via = via;
        ++depth_;
        return Rate(f);
    }

    void Keep(Frame& f) const { KeepPosition(ctx_, f); }
    void Restore(const Frame& f) { RestorePosition(ctx_, f); }

    // A change of -32 to 31 to the merit of the position of `key`, the same for each seed: less
    // than a card brought home, so it only reorders children of like merit.
    int Jitter(uint64_t key) const {
        if (jitter_ == 0) return 0;
        return static_cast<int>((key ^ jitter_) * 0x9e3779b97f4a7c15ull >> 58) - 32;
    }

    long Elapsed() const {
        const auto spent = std::chrono::steady_clock::now() - start_;
        return static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(spent).count());
    }

    bool OverBudget() const {
        if (positions_ >= budget_.positions) return true;
        if (positions_ % kClockStride != 0) return false;
        if (cancel_ && cancel_->load(std::memory_order_relaxed)) return true;
        return Elapsed() >= budget_.milliseconds;
    }

    PlayContext& ctx_;
    SolveBudget budget_;
    const std::atomic<bool>* cancel_;
    bool bold_;        // shuffles left out: a win only, never a loss, may be concluded
    uint64_t jitter_;  // 0, or the seed of a small change to the merits (Jitter)
    bool autoplay_;
    PositionKeys keys_;
    OffFoundationRule offFoundation_;
    PlaceMemo memo_;
    bool quietTurns_;             // the stock's clicks turned by TurnCycle
    bool stockToColumn_;          // a card from the stock to a column must be built on at once
    bool offFoundationToColumn_;  // so must one off a foundation, or the card it covered there
                                  // come down
    bool onlyMovesBringCards_;  // no fill, nor any deal of the stock's clicks, puts cards on piles
    StuckCards stuck_;
    // Nor does autoplay send any home: only a move home can leave a position stuck
    // (StuckCards.h).
    bool stuckOnlyAfterHome_;
    KeySet seen_;
    std::vector<Frame> frames_;
    size_t depth_ = 0;
    std::vector<Move> moves_;
    std::vector<Move> cycleMoves_;
    Frame clicked_;  // the position after some clicks of a cycling stock
    std::vector<Move> solution_;
    long positions_ = 0;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace

// The bold share of the budget (three quarters) is spent by three passes in turn, each with an
// equal part of it: a depth-first search can spend all it has under a few bad first moves, and
// a fresh search whose order differs a little (Jitter) tries other ones. Measured over Klondike
// 1-120 at two seconds, each restart won about one deal in ten of those left undecided.
//
// Where the stock cycles the lines are long (its clicks and cards come in among the other
// moves) and the second pass is a beam search (RunBeam) in place of a third depth-first
// search: the beam keeps only the best positions of each depth and so reaches depths a
// depth-first search spends its budget before. Over Klondike 1-200 at 250,000 positions it won
// 4 of the 41 deals the three depth-first passes left undecided, and lost one they had won. In
// FreeCell, which has no stock, the third restart wins more: of 13 deals undecided on a busy
// machine it won 2 more than a beam in its place.
enum class BoldPass { DepthFirst, Beam };
constexpr long kBoldPassCount = 3;

static BoldPass BoldPassAt(long i, bool stockCycles) {
    return i == 1 && stockCycles ? BoldPass::Beam : BoldPass::DepthFirst;
}

static SolveResult DepthFirst(PlayContext& ctx, const SolveBudget& budget,
                              const std::atomic<bool>* cancel) {
    // Three quarters of the budget for the bold passes; what they leave to the whole search.
    SolveResult spent;
    uint64_t seed = 0;
    const bool stockCycles = PositionKeys(ctx.game, AutoplayOn(ctx)).StockCycles();
    for (long i = 0; i < kBoldPassCount; ++i) {
        const BoldPass pass = BoldPassAt(i, stockCycles);
        SolveBudget part = budget;
        part.positions = budget.positions / 4 * 3 / kBoldPassCount;
        part.milliseconds = budget.milliseconds / 4 * 3 / kBoldPassCount;
        SolveResult bold;
        if (pass == BoldPass::Beam) {
            bold = Search(ctx, part, cancel, true, 0).RunBeam(kBeamWidth, kBeamPerPosition);
        } else {
            bold = Search(ctx, part, cancel, true, seed).Run();
            seed += 0x9e37'79b9ull;
        }
        spent.positions += bold.positions;
        spent.milliseconds += bold.milliseconds;
        if (bold.verdict == SolveVerdict::Won) {
            bold.positions = spent.positions;
            bold.milliseconds = spent.milliseconds;
            return bold;
        }
        // Every line of the bold moves searched: another order would find no more.
        if (bold.verdict == SolveVerdict::Lost) break;
        if (cancel && cancel->load(std::memory_order_relaxed)) break;
    }
    SolveBudget rest = budget;
    rest.positions -= spent.positions;
    rest.milliseconds -= spent.milliseconds;
    SolveResult full = Search(ctx, rest, cancel, false, 0).Run();
    full.positions += spent.positions;
    full.milliseconds += spent.milliseconds;
    return full;
}

SolveResult Solve(PlayContext& ctx, const SolveBudget& budget, const std::atomic<bool>* cancel) {
    SolveResult result = DepthFirst(ctx, DepthFirstShare(ctx.game, budget), cancel);
    if (result.verdict == SolveVerdict::Unknown) NestedSearchRest(ctx, budget, cancel, result);
    return result;
}

}  // namespace tindle
