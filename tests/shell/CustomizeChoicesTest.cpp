#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "shell/TfrmCustomizeChoices.h"
#include "shell/TfrmCustomizeTrees.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/PreferencesLoader.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"

namespace tindle {
namespace {

std::vector<std::string> Texts(const std::vector<CustomizeNode>& nodes) {
    std::vector<std::string> texts;
    for (const CustomizeNode& node : nodes)
        texts.push_back(node.text);
    return texts;
}

const CustomizeNode* Child(const std::vector<CustomizeNode>& nodes, const std::string& text) {
    for (const CustomizeNode& node : nodes)
        if (node.text == text) return &node;
    return nullptr;
}

TEST(CustomizeTrees, CardBacksByThemeSortedWithTheirNumbers) {
    const auto& tree = CardBackTree();
    EXPECT_EQ(Texts(tree),
              (std::vector<std::string>{"Animals", "Children", "Classics", "Famous pictures",
                                        "Flowers", "Geometric", "Nature"}));
    for (const CustomizeNode& folder : tree)
        EXPECT_TRUE(folder.IsFolder()) << folder.text;
    const CustomizeNode* geometric = Child(tree, "Geometric");
    ASSERT_NE(geometric, nullptr);
    ASSERT_EQ(geometric->children.size(), 2u);
    EXPECT_EQ(geometric->children[0].text, "Plaiting 1");
    EXPECT_EQ(geometric->children[0].code, 11);
    EXPECT_EQ(geometric->children[1].text, "Plaiting 2");
    EXPECT_EQ(geometric->children[1].code, 6);
    const std::vector<std::pair<long long, std::string>> backs{
        {19, "Tropical fish"},    {3, "Snowman"}, {7, "Classic blue"},
        {1, "Leonardo da Vinci"}, {14, "Roses"},  {20, "Lake"}};
    for (const auto& [code, text] : backs)
        EXPECT_EQ(NodeText(tree, code), text) << code;
    EXPECT_EQ(NodeText(tree, 2), "");
}

TEST(CustomizeTrees, BackgroundsInDisplayOrder) {
    std::vector<std::string> order;
    std::vector<long long> codes;
    for (const CustomizeNode* node : NodesInDisplayOrder(BackgroundTree())) {
        order.push_back(node->text);
        codes.push_back(node->code);
    }
    const std::vector<std::string> expected{
        "Colors",       "Blue",     "Green",      "Navy",
        "Olive",        "Teal",     "White",      "Over 256 colors",
        "Marbles",      "Marble 1", "Metal",      "Metal gold",
        "Nature",       "Leaves",   "Meadow",     "Patterns",
        "Pattern 1",    "Tissue",   "Moquette 1", "Walls",
        "Brick wall 1", "Wood",     "Parquet",    "Under 256 colors",
        "Geometricals", "Moquette"};
    EXPECT_EQ(order, expected);
    const std::vector<long long> expectedCodes{
        0,   16711680, 32768, 8388608, 32896, 8421376, 16777215, 0,   0, 263, 0, 287, 0,
        277, 324,      0,     302,     0,     296,     0,        304, 0, 311, 0, 0,   102};
    EXPECT_EQ(codes, expectedCodes);
}

TEST(CustomizeBackgroundFields, TheCodeDecidesTheKind) {
    const long long plain = 12345;
    struct Case {
        long long code;
        long long picture, fixed;
        bool isDefault;
    };
    for (const Case& c : std::vector<Case>{{-7, 0, 0, true},
                                           {0, 0, 0, true},
                                           {1, 0, 0, false},
                                           {2, 2, 0, false},
                                           {311, 311, 0, false},
                                           {1000, 1000, 0, false},
                                           {1001, 0, 1001, false},
                                           {16777215, 0, 16777215, false}}) {
        const BackgroundFields f = BackgroundFieldsFor(c.code, plain);
        EXPECT_EQ(f.picture, c.picture) << c.code;
        EXPECT_EQ(f.fixedColour, c.fixed) << c.code;
        EXPECT_EQ(f.isDefault, c.isDefault) << c.code;
        EXPECT_EQ(f.colour, plain) << c.code;
    }
}

class CustomizeChoicesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.SetProgramDir(dir.Path().string() + "/");
        settings.Put(field::PrefsPath, "DATA/CFG.DAT");
        std::filesystem::create_directories(dir.Path() / "DATA");
    }
    // The record as a start with this preferences file leaves it.
    void Load(const std::string& text) {
        if (!text.empty()) test::WriteFile(Path(), text);
        PreferencesFile prefs(Path());
        LoadPreferences(settings, prefs, false);
    }
    std::filesystem::path Path() const { return dir.Path() / "DATA" / "CFG.DAT"; }
    std::string Pref(const std::string& key) const {
        return PreferencesFile(Path()).ReadString(section::Preference, key, "<none>");
    }
    // The keys of section Preference in the order the file holds them.
    std::vector<std::string> KeysInFile() const {
        std::istringstream in(test::ReadFile(Path()));
        std::vector<std::string> keys;
        std::string line;
        bool inPreference = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty() && line.front() == '[') {
                inPreference = line == "[Preference]";
                continue;
            }
            const auto eq = line.find('=');
            if (inPreference && eq != std::string::npos) keys.push_back(line.substr(0, eq));
        }
        return keys;
    }
    void Store(const CustomizeChoices& choices) {
        PreferencesFile prefs(Path());
        StoreCustomizeChoices(settings, prefs, choices, ChosenPlainColour(settings), sounds);
    }

    test::TempDir dir;
    SettingsRecord settings;
    test::RecordingSounds sounds;
};

TEST_F(CustomizeChoicesTest, DefaultPreferencesOpenWithGreenAndPlaiting1) {
    Load("");
    const CustomizeChoices c = InitialCustomizeChoices(settings, PreferencesFile(Path()));
    EXPECT_EQ(c.backgroundCode, 32768);
    EXPECT_EQ(c.backCard, 11);
    EXPECT_TRUE(c.fadeBackground);
    EXPECT_FALSE(c.soundsDisabled);
    EXPECT_FALSE(c.toolBarLarge);
    EXPECT_TRUE(c.toolBarFlat);
    EXPECT_FALSE(c.confirmOnExit);
    EXPECT_TRUE(c.showTime);
    EXPECT_TRUE(c.showScore);
    // The quit-game confirmation is ticked unless the field is "N", and it defaults to "N".
    EXPECT_FALSE(c.confirmQuitGame);
    EXPECT_TRUE(c.winningAnimation);
    EXPECT_TRUE(c.animateDeal);
    // The plain colour of a fresh start is the button face.
    EXPECT_EQ(ChosenPlainColour(settings), kButtonFaceColour);
}

TEST_F(CustomizeChoicesTest, OpeningChoicesFollowTheStoredOnes) {
    Load(
        "[Preference]\nToolBar_Large=Y\nToolBar_Flat=N\nConfirmQuit=Y\nShow_Time=N\n"
        "Show_Score=N\nConfirmQuitGame=Y\nSounds_Enabled=N\nFade_Background=N\nBack_Card=2\n"
        "Background_Fixed_Col=0\nBackground_bmp=311\nDeal_Animation=N\n");
    const CustomizeChoices c = InitialCustomizeChoices(settings, PreferencesFile(Path()));
    EXPECT_TRUE(c.toolBarLarge);
    EXPECT_FALSE(c.toolBarFlat);
    EXPECT_TRUE(c.confirmOnExit);
    EXPECT_FALSE(c.showTime);
    EXPECT_FALSE(c.showScore);
    EXPECT_TRUE(c.confirmQuitGame);
    EXPECT_TRUE(c.soundsDisabled);
    EXPECT_FALSE(c.fadeBackground);
    // A back the tree does not offer is no chosen back.
    EXPECT_EQ(c.backCard, 0);
    EXPECT_EQ(c.backgroundCode, 311);
    EXPECT_FALSE(c.animateDeal);
}

TEST_F(CustomizeChoicesTest, TheBackgroundCodeOfTheSettings) {
    Load("");
    EXPECT_EQ(BackgroundCodeOf(settings), 32768);  // the fixed colour comes first
    settings.Put(field::BackgroundBmp, "311");
    EXPECT_EQ(BackgroundCodeOf(settings), 32768);
    settings.Put(field::BackgroundFixedCol, "0");
    EXPECT_EQ(BackgroundCodeOf(settings), 311);
    settings.Put(field::BackgroundBmp, "0");
    EXPECT_EQ(BackgroundCodeOf(settings), 1);
    settings.Put(field::BackgroundFixedCol, "255");
    settings.Put(field::BackgroundDef, "Y");
    EXPECT_EQ(BackgroundCodeOf(settings), 0);
    // A stored colour of 0 is the button face; any other is kept.
    settings.Put(field::BackgroundCol, "0");
    EXPECT_EQ(ChosenPlainColour(settings), kButtonFaceColour);
    settings.Put(field::BackgroundCol, "255");
    EXPECT_EQ(ChosenPlainColour(settings), 255);
}

TEST_F(CustomizeChoicesTest, OkWritesEveryKeyInItsOrder) {
    Load("");
    std::filesystem::remove(Path());
    CustomizeChoices c = InitialCustomizeChoices(settings, PreferencesFile(Path()));
    c.backgroundCode = 311;  // "Parquet"
    c.backCard = 14;         // "Roses"
    Store(c);
    EXPECT_EQ(KeysInFile(),
              (std::vector<std::string>{
                  "Sounds_Enabled", "Back_Card", "Background_bmp", "Background_Col",
                  "Background_Fixed_Col", "Background_Def", "Fade_Background", "ToolBar_Large",
                  "ToolBar_Flat", "Show_Time", "Show_Score", "ConfirmQuit", "ConfirmQuitGame",
                  "Winning_Animation", "Deal_Animation", "Winnable_Deals_Only", "Card_Zoom"}));
    EXPECT_EQ(Pref("Sounds_Enabled"), "Y");
    EXPECT_EQ(Pref("Winnable_Deals_Only"), "N");
    EXPECT_EQ(Pref("Back_Card"), "14");
    EXPECT_EQ(Pref("Background_bmp"), "311");
    EXPECT_EQ(Pref("Background_Col"), std::to_string(kButtonFaceColour));
    EXPECT_EQ(Pref("Background_Fixed_Col"), "0");
    EXPECT_EQ(Pref("Background_Def"), "N");
    EXPECT_EQ(Pref("Fade_Background"), "Y");
    EXPECT_EQ(Pref("ToolBar_Large"), "N");
    EXPECT_EQ(Pref("ToolBar_Flat"), "Y");
    EXPECT_EQ(Pref("Winning_Animation"), "Y");
    EXPECT_EQ(settings.Get(field::BackCard), "014");
    EXPECT_EQ(settings.Get(field::BackgroundBmp), "311");
    EXPECT_EQ(settings.Get(field::BackgroundFixedCol), "0");
    EXPECT_EQ(settings.Get(field::BackgroundDef), "N");
}

TEST_F(CustomizeChoicesTest, OkStoresColoursTheDefaultAndTheSwitches) {
    Load("");
    CustomizeChoices c = InitialCustomizeChoices(settings, PreferencesFile(Path()));
    c.backgroundCode = 16777215;  // "White"
    c.backCard = 0;               // a folder: the back stays
    c.fadeBackground = false;
    c.showTime = false;
    c.showScore = false;
    c.confirmQuitGame = true;
    c.confirmOnExit = true;
    c.toolBarLarge = true;
    c.animateDeal = false;
    c.winnableDealsOnly = true;
    Store(c);
    EXPECT_EQ(Pref("Background_bmp"), "0");
    EXPECT_EQ(Pref("Background_Fixed_Col"), "16777215");
    EXPECT_EQ(Pref("Background_Def"), "N");
    EXPECT_EQ(Pref("Back_Card"), "11");
    EXPECT_EQ(Pref("Fade_Background"), "N");
    EXPECT_EQ(Pref("Show_Time"), "N");
    EXPECT_EQ(Pref("Show_Score"), "N");
    EXPECT_EQ(Pref("ConfirmQuit"), "Y");
    EXPECT_EQ(Pref("ConfirmQuitGame"), "Y");
    EXPECT_EQ(Pref("ToolBar_Large"), "Y");
    EXPECT_EQ(Pref("Deal_Animation"), "N");
    EXPECT_EQ(Pref("Winnable_Deals_Only"), "Y");
    EXPECT_EQ(settings.Get(field::BackCard), "011");
    EXPECT_EQ(settings.Get(field::FadeBackground), "N");
    EXPECT_EQ(settings.Get(field::ShowTime), "N");
    EXPECT_EQ(settings.Get(field::ShowScore), "N");
    EXPECT_EQ(settings.Get(field::ConfirmQuitGame), "Y");
    EXPECT_EQ(settings.Get(field::DealAnimation), "N");
    EXPECT_EQ(settings.Get(field::WinnableDealsOnly), "Y");

    c.backgroundCode = 0;  // a folder: the default background
    Store(c);
    EXPECT_EQ(Pref("Background_bmp"), "0");
    EXPECT_EQ(Pref("Background_Fixed_Col"), "0");
    EXPECT_EQ(Pref("Background_Def"), "Y");
    EXPECT_EQ(settings.Get(field::BackgroundDef), "Y");
}

}  // namespace
}  // namespace tindle
