#include <array>

#include "model/LegalityRules.h"

// Every special building rule code and the function that holds its rule. Codes 0, 1, 2, 3
// (and 6) are the standard rule with its suit filter; a code that is not listed here behaves
// as the standard rule without a suit filter.

namespace tindle::legality {

namespace {

struct RuleEntry {
    int code;
    RuleFn rule;
};

constexpr RuleEntry kSpecialRules[] = {
    {4, RuleNever},
    {5, RuleNever},
    {7, Rule7PlayerOnlyFillsAfterStock},  // the player only fills an empty pile, stock empty
    {8, RuleStandard},
    {11, Rule11NoQueenOnKingOrJack},  // same suit; no Queen on a King or a Jack
    {12, RuleAlways},
    {13, RuleStandard},
    {14, Rule14To16UpByTwoToFour},  // up by 2, around the corner
    {15, Rule14To16UpByTwoToFour},  // up by 3
    {16, Rule14To16UpByTwoToFour},  // up by 4
    {17, Rule17And19NotFromTableau},
    {18, Rule18NoTableauCardOnCards},
    {19, Rule17And19NotFromTableau},  // nor from a reserve
    {20, Rule20UpFromAceAround},
    {21, Rule21NotOnSameSuit},
    {23, Rule23SameSuitUpWhileWasteEmpty},
    {24, Rule24SameSuitNoQueenKingSwap},
    {25, Rule25And61SameSuitByTwo},
    {26, Rule26UpOrDownOnShortColumn},
    {27, Rule27AlternateNotFromFoundation},
    {28, Rule28And60UpOrDown},
    {29, Rule29UpThenKingThenDown},
    {30, Rule30FollowColumnDirection},
    {31, Rule31SameSuitDown},
    {32, Rule32SameSuitUp},
    {33, Rule33TwoCardsNotFromTableau},
    {34, Rule34DownAnySuit},
    {35, Rule35UpOrDownAround},
    {36, Rule36DownFromFirstBaseInTurn},
    {37, Rule37Doubling},
    {38, Rule38KingThenOneCard},
    {39, Rule39And44UpFromAce},  // never a Queen or a King
    {40, Rule40RunningCounter},
    {41, Rule41SameSuitByTwoDistinctSuits},
    {42, Rule42KingAfterSixFurther},
    {43, Rule43SameSuitUpByTwo},
    {44, Rule39And44UpFromAce},  // never a King
    {45, Rule45KingThenDown},
    {46, Rule46And49And51UpBesideColumn},
    {47, Rule47And50And52DownBesideColumn},
    {48, Rule48QueenThenOneCard},
    {49, Rule46And49And51UpBesideColumn},    // the column of the same index holds cards
    {50, Rule47And50And52DownBesideColumn},  // the column eight places back holds cards
    {51, Rule46And49And51UpBesideColumn},    // ... and gives the suit
    {52, Rule47And50And52DownBesideColumn},  // ... and gives the suit
    {53, Rule53AfterFirstFoundation},
    {54, Rule54DownFromColumnBase},
    {55, Rule55SameColourUpFromWaste},
    {56, Rule56SameRankFromLaterColumn},
    {60, Rule28And60UpOrDown},       // same suit
    {61, Rule25And61SameSuitByTwo},  // King takes a 2, Queen an Ace
    {70, Rule70GridStep},
    {71, Rule71GridJump},
    {72, Rule72And75Jokers},  // a joker only on a started foundation
    {73, Rule73RankOfPileNumber},
    {75, Rule72And75Jokers},  // a joker on any foundation
    {76, Rule76AnyLowerRank},
    {77, Rule77FourOfEachRank},
    {78, Rule78And95SameSuitUpFromAce},
    {79, Rule79ThirteenthFromReserve},
    {80, Rule80SameSuitAround},
    {81, Rule81ReserveSameSuitAround},
    {82, Rule82DistinctSuitsAfterStock},
    {83, Rule83DownWithStopRank},
    {86, Rule86And87SuitCycle},  // up
    {87, Rule86And87SuitCycle},  // down
    {91, Rule91StepOfFirstFoundation},
    {92, Rule92AcesOnly},
    {93, Rule93ColumnBaseByThrees},
    {94, Rule94AlternateDownByNumber},
    {95, Rule78And95SameSuitUpFromAce},
    {96, Rule96DistinctSuitsThenSameSuit},
};

constexpr int kRuleCodes = 100;

constexpr std::array<RuleFn, kRuleCodes> kRuleByCode = [] {
    std::array<RuleFn, kRuleCodes> table{};
    for (const RuleEntry& entry : kSpecialRules)
        table[static_cast<size_t>(entry.code)] = entry.rule;
    return table;
}();

}  // namespace

RuleFn SpecialRule(int code) {
    if (code < 0 || code >= kRuleCodes) return nullptr;
    return kRuleByCode[static_cast<size_t>(code)];
}

}  // namespace tindle::legality
