#include <string>

#include "model/Card.h"
#include "model/GameEnd.h"
#include "model/RuleCodes.h"
#include "model/Snapshot.h"
#include "model/UsedPiles.h"
#include "shell/settings/SettingsRecord.h"

// The score of every win-condition code (special::). D is the deck's cards (DeckCards), W
// the cards on the second waste; the used columns are the first TableauCount columns.

namespace tindle {

namespace {

constexpr int kPointsPerCard = 5;

int CardsOn(const Pile& pile) {
    int n = 0;
    for (int i = 0; i < PileCount(pile); ++i)
        n += PileCardAt(pile, i) != 0;
    return n;
}

const Pile& Column(const Game& game, int k) {
    return game.piles.fila[static_cast<size_t>(k)];
}

// special::ScoreRedColumns: 10 for each column, from the first, whose bottom card is the Ace..King
// of hearts or diamonds of its own position; counting stops at the first column that fails.
int OrderedColumnsScore(const Game& game, int deck) {
    int score = -deck;
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        const Pile& col = Column(game, k);
        if (PileEmpty(col)) break;
        const int bottom = PileBottom(col);
        if (bottom != k + 1 && bottom != k + 14) break;
        score += 10;
    }
    return score;
}

// special::TopsMake91: the top cards of the columns, up to the first empty one, adding up to 91.
int TopRanksScore(const Game& game, int deck) {
    int sum = 0;
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        const Pile& col = Column(game, k);
        if (PileEmpty(col)) break;
        sum += CardRank(PileTop(col));
    }
    return sum == 91 ? 150 : -deck;
}

// special::GridRuns, rows of a grid: runs of one suit from an Ace upwards, scanned through the
// columns in order as one line. The second card of a run (the 2 after the Ace) counts 10, every
// later one 5; a Queen ends the run, a gap or any other card breaks it. The line wraps round once:
// column 1 is scanned again, with the run carried over, up to its first Ace.
int GridRunsScore(const Game& game) {
    int score = -32;
    bool inRun = false;
    int last = 0;  // rank p of the run's last card
    int suit = -1;
    auto scanCard = [&](int card, bool wrap) {
        if (card == 0) {
            inRun = false;
            return;
        }
        const int rank = CardRank(card);
        if (!wrap && rank == kAce) {
            inRun = true;
            last = kAce;
            suit = CardSuit(card);
            return;
        }
        if (inRun && CardSuit(card) == suit && rank == last + 1) {
            score += !wrap && last == kAce ? 10 : 5;
            last = rank == kQueen ? 0 : rank;
            return;
        }
        inRun = false;
    };
    for (int k = 0; k < UsedColumnCount(game); ++k) {
        const Pile& col = Column(game, k);
        for (int i = 0; i < PileCount(col); ++i)
            scanCard(PileCardAt(col, i), false);
    }
    if (UsedColumnCount(game) > 0) {
        const Pile& first = Column(game, 0);
        for (int i = 0; i < PileCount(first); ++i) {
            const int card = PileCardAt(first, i);
            if (CardRank(card) == kAce) break;
            scanCard(card, true);
        }
    }
    return score;
}

}  // namespace

int StandardScore(const Game& game) {
    const GameDef& def = game.def;
    int cards = CardsOn(game.piles.SecondWaste());
    const int firstCounted = FoundationOneExcluded(def) ? 1 : 0;
    for (int j = firstCounted; j < kDestPiles; ++j)
        cards += CardsOn(game.piles.dest[static_cast<size_t>(j)]);
    const int jokers = def[gd::UsesJokers] == 1 ? def[gd::JokerCount] : 0;
    return kPointsPerCard * cards + kPointsPerCard * def[gd::ScoreBonus] - def[gd::DeckCards] -
           kPointsPerCard * jokers;
}

std::optional<int> ScoreOf(const Game& game, const SettingsRecord& settings) {
    const GameDef& def = game.def;
    const int deck = def[gd::DeckCards];
    const int secondWaste = CardsOn(game.piles.SecondWaste());
    const int c = game.counters.dealCounter;
    switch (def[gd::SpecialGame]) {
        case special::ColumnsFilled:
            return std::nullopt;
        case special::NeverWonPeek:
        case special::ScoreZero:
        case special::ScoreZeroStandardWin:
        case special::FaceDownTargets:
        case special::OneFoundationLeft:
        case special::ScoreZeroByScore:
            return 0;
        case special::ScoreRedColumns:
            return OrderedColumnsScore(game, deck);
        case special::ScoreSecondWaste:
            return 10 * secondWaste - deck;
        case special::ScorePairsLessDeals:
            return 10 * (secondWaste / 2) - 2 * c - 52;
        case special::ScoreSevensLessDeals:
            return 7 * (secondWaste / 2) - c - 52;
        case special::NineDown: {
            int score = -deck;
            for (int k = 0; k < UsedColumnCount(game); ++k) {
                if (ColumnIsNineDown(Column(game, k))) score += 225;
            }
            return score;
        }
        case special::TopsMake91:
            return TopRanksScore(game, deck);
        case special::GridRuns:
            return GridRunsScore(game);
        case special::PairsInPlaceOrder:
            for (int k = 0; k < UsedColumnCount(game); ++k) {
                if (!PileEmpty(Column(game, k))) return 5 * secondWaste - deck;
            }
            return 4 * deck;
        case special::PairsKept:
            return kPointsPerCard * def[gd::ScoreBonus] +
                   kPointsPerCard * CardsOn(game.piles.dest[1]) - deck;
        case special::ColumnExchange: {
            int cards = 0;
            for (int k = 0; k < 24; ++k)
                cards += CardsOn(Column(game, k));
            return kPointsPerCard * def[gd::ScoreBonus] - deck + kPointsPerCard * cards;
        }
        default:
            if (settings.Get(field::ScoringSystem) != kStandardScoring) return std::nullopt;
            return StandardScore(game);
    }
}

}  // namespace tindle
