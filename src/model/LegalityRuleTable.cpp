#include <array>

#include "model/LegalityRules.h"
#include "model/RuleCodes.h"

// Every building rule code (build::, RuleCodes.def) and the function that holds its rule.
// The codes of the standard rule (SameSuit .. EmptyOnly, and the codes that build by it
// without a suit filter) name RuleStandard, whose suit filter is that of the code. The
// foundation rules QueenOnEmptyFoundation and DiscardBelowHigher decide a drop onto a
// foundation themselves (FoundationDropRule); asked here, as the deal asks, they are the
// standard rule.

namespace tindle::legality {

namespace {

struct RuleEntry {
    build::Code code;
    RuleFn rule;
};

constexpr RuleEntry kBuildingRules[] = {
    {build::SameSuit, RuleStandard},
    {build::SameColour, RuleStandard},
    {build::AnySuit, RuleStandard},
    {build::AlternateColours, RuleStandard},
    {build::Never, RuleNever},
    {build::NeverAccepts, RuleNever},
    {build::EmptyOnly, RuleStandard},
    {build::PlayerFillsAfterStock, RulePlayerFillsAfterStock},
    {build::AnySuitBuild, RuleStandard},
    {build::QueenOnEmptyFoundation, RuleStandard},
    {build::SameSuitNoQueenOnKingOrJack, RuleSameSuitNoQueenOnKingOrJack},
    {build::Always, RuleAlways},
    {build::AnySuitByDirection, RuleStandard},
    {build::UpByTwo, RuleUpByTwoToFour},
    {build::UpByThree, RuleUpByTwoToFour},
    {build::UpByFour, RuleUpByTwoToFour},
    {build::NotFromTableau, RuleNotFromTableau},
    {build::NoTableauCardOnCards, RuleNoTableauCardOnCards},
    {build::NotFromTableauOrReserve, RuleNotFromTableau},
    {build::UpFromAceAround, RuleUpFromAceAround},
    {build::NotOnSameSuit, RuleNotOnSameSuit},
    {build::DiscardBelowHigher, RuleStandard},
    {build::SameSuitUpWhileWasteEmpty, RuleSameSuitUpWhileWasteEmpty},
    {build::SameSuitNoQueenKingSwap, RuleSameSuitNoQueenKingSwap},
    {build::SameSuitByTwo, RuleSameSuitByTwo},
    {build::UpOrDownOnShortColumn, RuleUpOrDownOnShortColumn},
    {build::AlternateNotFromFoundation, RuleAlternateNotFromFoundation},
    {build::UpOrDown, RuleUpOrDown},
    {build::UpThenKingThenDown, RuleUpThenKingThenDown},
    {build::FollowColumnDirection, RuleFollowColumnDirection},
    {build::SameSuitDown, RuleSameSuitDown},
    {build::SameSuitUp, RuleSameSuitUp},
    {build::TwoCardsNotFromTableau, RuleTwoCardsNotFromTableau},
    {build::DownAnySuit, RuleDownAnySuit},
    {build::UpOrDownAround, RuleUpOrDownAround},
    {build::DownFromFirstBaseInTurn, RuleDownFromFirstBaseInTurn},
    {build::Doubling, RuleDoubling},
    {build::KingThenOneCard, RuleKingThenOneCard},
    {build::UpFromAceNoCourts, RuleUpFromAce},
    {build::RunningCounter, RuleRunningCounter},
    {build::SameSuitByTwoDistinctSuits, RuleSameSuitByTwoDistinctSuits},
    {build::KingAfterSixFurther, RuleKingAfterSixFurther},
    {build::SameSuitUpByTwo, RuleSameSuitUpByTwo},
    {build::UpFromAceNoKing, RuleUpFromAce},
    {build::KingThenDown, RuleKingThenDown},
    {build::UpBesideColumn, RuleUpBesideColumn},
    {build::DownBesideColumn, RuleDownBesideColumn},
    {build::QueenThenOneCard, RuleQueenThenOneCard},
    {build::UpBesideHoldingColumn, RuleUpBesideColumn},
    {build::DownBesideHoldingColumn, RuleDownBesideColumn},
    {build::UpInSuitOfColumn, RuleUpBesideColumn},
    {build::DownInSuitOfColumn, RuleDownBesideColumn},
    {build::AfterFirstFoundation, RuleAfterFirstFoundation},
    {build::DownFromColumnBase, RuleDownFromColumnBase},
    {build::SameColourUpFromWaste, RuleSameColourUpFromWaste},
    {build::SameRankFromLaterColumn, RuleSameRankFromLaterColumn},
    {build::UpOrDownSameSuit, RuleUpOrDown},
    {build::SameSuitByTwoAround, RuleSameSuitByTwo},
    {build::GridStep, RuleGridStep},
    {build::GridJump, RuleGridJump},
    {build::JokersOnStarted, RuleJokers},
    {build::RankOfPileNumber, RuleRankOfPileNumber},
    {build::JokersAnywhere, RuleJokers},
    {build::AnyLowerRank, RuleAnyLowerRank},
    {build::FourOfEachRank, RuleFourOfEachRank},
    {build::SameSuitUpFromAce, RuleSameSuitUpFromAce},
    {build::ThirteenthFromReserve, RuleThirteenthFromReserve},
    {build::SameSuitAround, RuleSameSuitAround},
    {build::ReserveSameSuitAround, RuleReserveSameSuitAround},
    {build::DistinctSuitsAfterStock, RuleDistinctSuitsAfterStock},
    {build::DownWithStopRank, RuleDownWithStopRank},
    {build::SuitCycleUp, RuleSuitCycle},
    {build::SuitCycleDown, RuleSuitCycle},
    {build::StepOfFirstFoundation, RuleStepOfFirstFoundation},
    {build::AcesOnly, RuleAcesOnly},
    {build::ColumnBaseByThrees, RuleColumnBaseByThrees},
    {build::AlternateDownByNumber, RuleAlternateDownByNumber},
    {build::SameSuitUpByNumber, RuleSameSuitUpFromAce},
    {build::DistinctSuitsThenSameSuit, RuleDistinctSuitsThenSameSuit},
};

constexpr int kRuleCodes = 100;  // building rule codes are 0..99 (GameDefFields.def)

constexpr std::array<RuleFn, kRuleCodes> kRuleByCode = [] {
    std::array<RuleFn, kRuleCodes> table{};
    for (const RuleEntry& entry : kBuildingRules)
        table[static_cast<size_t>(entry.code)] = entry.rule;
    return table;
}();

}  // namespace

RuleFn BuildingRule(int code) {
    if (code < 0 || code >= kRuleCodes) return nullptr;
    return kRuleByCode[static_cast<size_t>(code)];
}

}  // namespace tindle::legality
