#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "shell/settings/SettingsRecord.h"

namespace tindle {
namespace {

TEST(SettingsRecord, PutStripsLeadingBlanksPadsAndCutsToTheWidth) {
    SettingsRecord r;
    r.Put(field::BackCard, "7");
    EXPECT_EQ(r.Get(field::BackCard), "7");
    r.Put(field::BackCard, "  12");
    EXPECT_EQ(r.Get(field::BackCard), "12");
    r.Put(field::BackCard, "12345");
    EXPECT_EQ(r.Get(field::BackCard), "123");
    r.Put(field::BackCard, "   ");
    EXPECT_EQ(r.Get(field::BackCard), "");
    // Inner blanks stay; only trailing ones go on reading.
    r.Put(field::UserDefault, "Player 1  ");
    EXPECT_EQ(r.Get(field::UserDefault), "Player 1");
}

TEST(SettingsRecord, FieldsAreIndependentAndUnwrittenFieldsReadEmpty) {
    SettingsRecord r;
    EXPECT_EQ(r.Get(field::GameName), "");
    r.Put(field::BackCard, "011");
    r.Put(field::CardSet, "003");
    r.Put(field::BackCard, "9");  // a shorter value must not leave old digits behind
    EXPECT_EQ(r.Get(field::BackCard), "9");
    EXPECT_EQ(r.Get(field::CardSet), "003");
    EXPECT_EQ(r.SettingGet(21, 6), "9  003");
    // The same numbers in the other blocks are other fields.
    r.SettingPut(251, 1, "Y");
    r.SettingPut(501, 1, "/");
    EXPECT_EQ(r.SettingGet(1, 1), "");
    EXPECT_EQ(r.Get(field::DoubleClickToTableaus), "Y");
    EXPECT_EQ(r.SettingGet(501, 1), "/");
    r.Reset();
    EXPECT_EQ(r.Get(field::CardSet), "");
}

TEST(SettingsRecord, PositionsOutsideTheBlocksHoldNothingAndNeverCrash) {
    SettingsRecord r;
    for (int position : {0, -5, 250, 500, 751, 999, 5000}) {
        r.SettingPut(position, 3, "abc");
        EXPECT_EQ(r.SettingGet(position, 3), "") << position;
    }
    // A field reaching past the end of its block keeps what fits and spills nowhere.
    r.SettingPut(248, 4, "WXYZ");
    EXPECT_EQ(r.SettingGet(248, 2), "WX");
    EXPECT_EQ(r.SettingGet(251, 2), "");
    r.SettingPut(749, 5, "1234");
    EXPECT_EQ(r.SettingGet(749, 2), "12");
    EXPECT_EQ(r.SettingGet(10, 0), "");
}

TEST(SettingsRecord, YesNoTestsAndIntegers) {
    SettingsRecord r;
    EXPECT_FALSE(r.IsYes(field::ShowTime));   // empty is off ...
    EXPECT_TRUE(r.IsNotNo(field::ShowTime));  // ... unless only "N" means off
    r.Put(field::ShowTime, "y");
    EXPECT_FALSE(r.IsYes(field::ShowTime));
    r.Put(field::ShowTime, "N");
    EXPECT_FALSE(r.IsNotNo(field::ShowTime));
    r.Put(field::GameId, "-001");
    EXPECT_EQ(r.GetInt(field::GameId), -1);
    r.Put(field::GameId, "****");
    EXPECT_EQ(r.GetInt(field::GameId, 42), 42);
}

TEST(ZeroPad, PadsSignsAndOverflowsToAsterisks) {
    EXPECT_EQ(ZeroPad(-1, 4), "-001");
    EXPECT_EQ(ZeroPad(12, 3), "012");
    EXPECT_EQ(ZeroPad(12345, 4), "****");
    EXPECT_EQ(ZeroPad(0, 3), "000");
    EXPECT_EQ(ZeroPad(999, 3), "999");
    EXPECT_EQ(ZeroPad(-99, 3), "-99");
    EXPECT_EQ(ZeroPad(-100, 3), "***");
    EXPECT_EQ(ZeroPad(LLONG_MIN, 4), "****");
    EXPECT_EQ(ZeroPad(LLONG_MIN, 20), "-9223372036854775808");
    EXPECT_EQ(ZeroPad(5, 0), "");
}

TEST(ParseInteger, AcceptsOnlyAWholeDecimalNumber) {
    long long v = 0;
    EXPECT_TRUE(ParseInteger("  -12", v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(ParseInteger("+7", v));
    EXPECT_EQ(v, 7);
    for (const char* bad :
         {"", "  ", "12a", "a12", "0x10", "1 2", "--1", "+", "99999999999999999999"}) {
        EXPECT_FALSE(ParseInteger(bad, v)) << bad;
    }
}

TEST(SettingsRecord, ProgramDirKeepsTheFullDirectoryBeyondTheFieldWidth) {
    SettingsRecord r;
    std::string longDir = "/" + std::string(250, 'd') + "/";
    r.SetProgramDir(longDir);
    EXPECT_EQ(r.Get(field::ProgramDir).size(), 200u);
    EXPECT_EQ(r.ProgramDir(), longDir);
    // Whoever rewrites the field is obeyed.
    r.Put(field::ProgramDir, "/other/");
    EXPECT_EQ(r.ProgramDir(), "/other/");
    r.Reset();
    EXPECT_EQ(r.ProgramDir(), "");
}

}  // namespace
}  // namespace tindle
