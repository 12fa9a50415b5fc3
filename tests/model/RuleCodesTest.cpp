// The table of codes (RuleCodes.def): every named code of every coded field is a value the
// game compiler reads and reaches the function that holds its rule, and no value has two
// names.

#include <gtest/gtest.h>

#include <string>

#include "model/GameSource.h"
#include "model/LegalityRules.h"
#include "model/RuleCodes.h"

namespace tindle {
namespace {

std::string SourceSetting(std::string_view field, int value) {
    return "Id = 7\nType = 4\nClass = 0\nName = Codes\n" + std::string(field) + " = " +
           std::to_string(value) + "\n";
}

TEST(RuleCodes, EveryNamedCodeOfEveryFieldCompilesAndNoValueHasTwoNames) {
    int checked = 0;
    for (const RuleFamily& family : RuleFamilies()) {
        ASSERT_FALSE(family.codes.empty()) << family.name;
        for (size_t a = 0; a < family.codes.size(); ++a) {
            const RuleCode& code = family.codes[a];
            EXPECT_LE(code.first, code.last) << family.name << "::" << code.name;
            EXPECT_FALSE(code.rule.empty()) << family.name << "::" << code.name;
            for (size_t b = a + 1; b < family.codes.size(); ++b) {
                const RuleCode& other = family.codes[b];
                EXPECT_TRUE(other.last < code.first || other.first > code.last)
                    << family.name << ": " << code.name << " and " << other.name << " overlap";
                EXPECT_NE(other.name, code.name) << family.name;
            }
        }
        for (gd::Field field : FieldsOfFamily(family.name)) {
            const GameDefFieldInfo* info = GameDefFieldAt(field);
            ASSERT_NE(info, nullptr);
            EXPECT_EQ(FamilyOfField(field + info->count - 1), &family) << info->name;
            for (const RuleCode& code : family.codes) {
                for (int value : {code.first, code.last}) {
                    // A family's codes may reach past the range of one of its fields (fan
                    // styles 8 and 9 are the tableau's only).
                    if (value < info->minimum || value > info->maximum) continue;
                    std::vector<std::string> errors;
                    ParseGameSource("codes.game", SourceSetting(info->name, value), errors);
                    EXPECT_TRUE(errors.empty()) << errors.front();
                    EXPECT_EQ(FindRuleCode(field, value), &code) << info->name << " " << value;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 300);
    // A field of counts or switches is not coded; a value between the codes names nothing.
    EXPECT_EQ(FamilyOfField(gd::TableauCount), nullptr);
    EXPECT_EQ(FindRuleCode(gd::SpecialGame, 5), nullptr);
    EXPECT_EQ(FindRuleCode(gd::TableauRule + 27, build::GridJump)->name, "GridJump");
}

// Every building rule code reaches its rule and its foundation drop rule, every reserve kind
// its drop rule, through the rule tables; a value no code names reaches none.
TEST(RuleCodes, EveryNamedCodeReachesItsRule) {
    for (const RuleCode& code : FindRuleFamily("build")->codes) {
        EXPECT_NE(legality::BuildingRule(code.first), nullptr) << code.name;
        EXPECT_NE(legality::FoundationDropRule(code.first), nullptr) << code.name;
    }
    for (const RuleCode& code : FindRuleFamily("reserveKind")->codes)
        EXPECT_NE(legality::ReserveDropRule(code.first), nullptr) << code.name;
    EXPECT_EQ(legality::BuildingRule(9), nullptr);
    EXPECT_EQ(legality::FoundationDropRule(9), nullptr);
    EXPECT_EQ(legality::ReserveDropRule(1), nullptr);
    // The foundation codes with a drop rule of their own do not share the capacity rule.
    EXPECT_NE(legality::FoundationDropRule(build::DiscardBelowHigher),
              legality::FoundationDropRule(build::SameSuit));
}

}  // namespace
}  // namespace tindle
