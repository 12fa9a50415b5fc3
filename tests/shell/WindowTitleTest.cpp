#include <gtest/gtest.h>

#include <string>

#include "shell/WindowTitle.h"

namespace tindle {
namespace {

TEST(WindowTitle, NameAndNumber) {
    EXPECT_EQ(ComposeWindowTitle("Freecell", ""), "Tindle [Freecell]");
    EXPECT_EQ(ComposeWindowTitle("Klondike", "0000000004711"),
              "Tindle [Klondike]  [0000000004711]");
    EXPECT_EQ(ComposeWindowTitle("", ""), "Tindle []");
}

TEST(WindowTitle, NameIsCutToFiftyCharacters) {
    const std::string name(50, 'a');
    EXPECT_EQ(ComposeWindowTitle(name + "bcd", "1"), "Tindle [" + name + "]  [1]");
}

}  // namespace
}  // namespace tindle
