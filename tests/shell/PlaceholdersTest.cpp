#include <gtest/gtest.h>

#include "shell/settings/Placeholders.h"

namespace tindle {
namespace {

TEST(Placeholders, ProgramNameGoesIntoACaption) {
    EXPECT_EQ(FillPlaceholders("A&bout [Program]..."), "A&bout Tindle...");
    EXPECT_EQ(FillPlaceholders("[Program] on the &Web..."), "Tindle on the &Web...");
}

TEST(Placeholders, OnlyTheFirstOccurrenceOfEachIsFilled) {
    EXPECT_EQ(FillPlaceholders("[Program] and [Program]"), "Tindle and [Program]");
    EXPECT_EQ(FillPlaceholders("[GameNum_fw] of [GameNum_fw]"), "11 of [GameNum_fw]");
}

TEST(Placeholders, EveryPlaceholderHasItsValue) {
    EXPECT_EQ(FillPlaceholders("[Program_sw] offers [GameNum_sw] games, [Program] [GameNum_fw]."),
              "Bravell 2001 offers 265 games, Tindle 11.");
    // "[Program_sw]" is not mistaken for "[Program]".
    EXPECT_EQ(FillPlaceholders("[Program_sw]"), "Bravell 2001");
}

TEST(Placeholders, TextWithoutPlaceholdersIsUnchanged) {
    EXPECT_EQ(FillPlaceholders(""), "");
    EXPECT_EQ(FillPlaceholders("[Programme] [program]"), "[Programme] [program]");
}

}  // namespace
}  // namespace tindle
