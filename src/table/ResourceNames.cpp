#include "table/ResourceNames.h"

#include <cstdio>

namespace tindle {

namespace {

std::string Digits3(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", number);
    return text;
}

struct GameTypeIcon {
    int type;
    std::string_view name;
};

constexpr std::array<GameTypeIcon, 21> kTypeIcons{
    {{2, "TREE5_CANFIELD_TYPE"},      {3, "TREE5_FORTYTHIEVES_TYPE"},
     {4, "TREE5_FREECELL_TYPE"},      {5, "TREE5_KLONDIKE_TYPE"},
     {6, "TREE5_PAIRING_TYPE"},       {7, "TREE5_SIMPLEGAMES_TYPE"},
     {8, "TREE5_SPIDER_TYPE"},        {9, "TREE5_1DECK_TYPE"},
     {10, "TREE5_2DECK_TYPE"},        {11, "TREE5_FAN_TYPE"},
     {12, "TREE5_BAKERSDOZEN_TYPE"},  {13, "TREE5_ROW_TYPE"},
     {14, "TREE5_PUZZLE_TYPE"},       {15, "TREE5_ADDITION_TYPE"},
     {16, "TREE5_MEMORY_TYPE"},       {17, "TREE5_BELEAGUEREDCASTLE_TYPE"},
     {18, "TREE5_QUEENOFITALY_TYPE"}, {19, "TREE5_YUKON_TYPE"},
     {20, "TREE5_MATHEMATICAL_TYPE"}, {21, "TREE5_SIRTOMMY_TYPE"},
     {22, "TREE5_NONBUILDERS_TYPE"}}};
constexpr std::string_view kCustomizedGamesIcon = "TREE5_CUSTOMIZED_GAMES";
constexpr int kCustomizedGamesType = 800;

std::string TypeIcon(int type) {
    for (const auto& icon : kTypeIcons)
        if (icon.type == type) return std::string(icon.name);
    return {};
}

// name + suffix, built by appending (GCC 12 warns falsely about operator+ here).
std::string Suffixed(std::string_view name, const char* suffix) {
    std::string result(name);
    result.append(suffix);
    return result;
}

std::string_view CommandStem(ToolbarCommand command) {
    switch (command) {
        case ToolbarCommand::New:
            return "TB_NEW";
        case ToolbarCommand::Open:
            return "TB_OPEN";
        case ToolbarCommand::Undo:
            return "TB_UNDO";
        case ToolbarCommand::Redo:
            return "TB_REDO";
        case ToolbarCommand::Autoplay:
            return "TB_AUTOPLAY";
        case ToolbarCommand::Rules:
            return "TB_RULES";
        case ToolbarCommand::Exit:
            return "TB_EXIT";
    }
    return "TB_NEW";
}

}  // namespace

std::string FinerPictureName(std::string_view name, int scale) {
    std::string result(name);
    if (scale != 1) result.append("_").append(std::to_string(scale)).append("X");
    return result;
}

int FinerPictureScale(std::string_view name) {
    for (int scale : kPictureScales) {
        if (scale == 1) continue;
        const std::string suffix = FinerPictureName("", scale);
        if (name.size() > suffix.size() &&
            CanonicalResourceName(name.substr(name.size() - suffix.size())) == suffix)
            return scale;
    }
    return 1;
}

std::optional<CardSizeSpec> CardSizeByLetter(std::string_view letter) {
    if (letter.size() != 1 || !CardSizeFor(letter[0])) return std::nullopt;
    return CardSizeSpecOf(letter[0]);
}

std::vector<std::string_view> AllMarkCodes() {
    std::vector<std::string_view> codes;
    for (auto code : kMarkLoadOrder) {
        bool seen = false;
        for (auto c : codes)
            seen = seen || c == code;
        if (!seen) codes.push_back(code);
    }
    codes.push_back(kSpecialStockMark);
    return codes;
}

std::string_view RankMarkCode(int rank) {
    static constexpr std::array<std::string_view, 13> kCodes{
        "010", "012", "013", "014", "015", "016", "017", "018", "019", "020", "006", "003", "011"};
    if (rank < 1 || rank > 13) return {};
    return kCodes[rank - 1];
}

std::string FaceSheetName(char size, int cardSet, char suitLetter) {
    return std::string("C") + size + Digits3(cardSet) + suitLetter;
}

std::string CardBackName(char size, int back) {
    return std::string("D") + size + Digits3(back);
}

std::string MarkName(char size, std::string_view code) {
    return std::string("W") + size + std::string(code);
}

std::string ShadowName(char size, int form) {
    return std::string("SHADOW_") + size + std::to_string(form);
}

std::string BorderName(char size, int form) {
    return std::string("3D_BORDER_") + size + std::to_string(form);
}

std::string JokerName(char size) {
    return std::string("JOKER_") + size;
}

int ShadowWidth(const CardSizeSpec& size, int form) {
    return form == 1 ? kShadowDepth : size.width - (kShadowDepth - 1);
}

int ShadowHeight(const CardSizeSpec& size, int form) {
    return form == 1 ? size.height + 2 : kShadowDepth;
}

int BorderWidth(const CardSizeSpec& size, int form) {
    return form == 1 ? size.width + 11 : kBorderDepth;
}

int BorderHeight(const CardSizeSpec& size, int form) {
    return form == 1 ? kBorderDepth : size.height + 13;
}

std::string GamePreviewName(int gameId) {
    char text[24];
    std::snprintf(text, sizeof text, "GAME%04d", gameId);
    return text;
}

std::string BackgroundName(int number) {
    return "B" + Digits3(number);
}

std::string ToolbarGlyphName(ToolbarCommand command, bool large, bool enabled) {
    std::string name(CommandStem(command));
    const bool fixedSmallName = command == ToolbarCommand::Undo || command == ToolbarCommand::Redo;
    if (large && fixedSmallName) name += "_LARGE";
    if (!enabled) name += "_DIS";
    if (!large && !fixedSmallName) name += "1";
    return name;
}

const std::vector<std::string>& TreeImageListNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n{"TREE1",   "TREE2",   "N_TREE3", "N_TREE4", "N_TREE5", "F_TREE1",
                                   "F_TREE2", "S_TREE1", "S_TREE2", "D_TREE1", "D_TREE2"};
        for (int type : {2, 11, 3, 4, 5, 6, 7, 8, 9, 10})
            n.push_back(TypeIcon(type));
        n.insert(n.end(), {"C_TREE1", "C_TREE2", std::string(kCustomizedGamesIcon)});
        for (int type : {19, 12})
            n.push_back(TypeIcon(type));
        n.insert(n.end(), {"T_TREE1", "T_TREE2", "I_TREE1", "I_TREE2"});
        for (int type : {14, 15, 16, 17, 13})
            n.push_back(TypeIcon(type));
        n.push_back("TREE5_ORIGINAL_TYPE");
        for (int type : {18, 20, 21, 22})
            n.push_back(TypeIcon(type));
        for (const char* suffix : {"_WIN", "_NOWIN"})
            n.push_back(Suffixed(kCustomizedGamesIcon, suffix));
        for (const char* suffix : {"_WIN", "_NOWIN"})
            for (int type = 2; type <= 22; ++type)
                n.push_back(Suffixed(TypeIcon(type), suffix));
        return n;
    }();
    return names;
}

std::string TreeTypeIconName(int gameType) {
    if (gameType == kCustomizedGamesType) return std::string(kCustomizedGamesIcon);
    std::string name = TypeIcon(gameType);
    return name.empty() ? "TREE1" : name;
}

std::vector<RequiredResource> RequiredResources() {
    std::vector<RequiredResource> list;
    auto bitmap = [&list](std::string name, int w, int h) {
        list.push_back({ResourceKind::Bitmap, std::move(name), w, h});
    };
    // A card picture at every scale.
    auto card = [&bitmap](const std::string& name, int w, int h) {
        for (int scale : kPictureScales)
            bitmap(FinerPictureName(name, scale), w * scale, h * scale);
    };
    for (const auto& size : kCardSizes) {
        const char s = size.letter;
        for (int set : kCardSets)
            for (char suit : kSuitLetters)
                card(FaceSheetName(s, set, suit), 6 * size.width, 4 * size.height);
        card(JokerName(s), size.width, size.height);
        if (s != 'M') {
            for (const auto& back : kCardBacks)
                card(CardBackName(s, back.code), size.width, size.height);
        }
        for (auto code : AllMarkCodes())
            card(MarkName(s, code), size.width, size.height);
        for (int form : {1, 2}) {
            card(ShadowName(s, form), ShadowWidth(size, form), ShadowHeight(size, form));
            card(BorderName(s, form), BorderWidth(size, form), BorderHeight(size, form));
        }
    }
    const CardSizeSpec medium = kCardSizes[1];
    card(CardBackName('M', kOwnMediumBack), medium.width, medium.height);
    for (auto name : kSuitPictures)
        bitmap(std::string(name), kSuitPictureSize, kSuitPictureSize);
    for (const auto& background : kBackgroundPictures)
        bitmap(BackgroundName(background.code), 0, 0);
    for (ToolbarCommand command : kToolbarCommands)
        for (bool large : {true, false})
            for (bool enabled : {true, false}) {
                const int side = large ? kLargeGlyphSize : kSmallGlyphSize;
                bitmap(ToolbarGlyphName(command, large, enabled), side, side);
            }
    for (const auto& name : TreeImageListNames())
        bitmap(name, kTreeIconSize, kTreeIconSize);
    for (const auto* family : {kGameTimePictures.data(), kDifficultyPictures.data()})
        for (int i = 0; i < 3; ++i)
            bitmap(std::string(family[i]), kRatingWidth, kRatingHeight);
    for (const auto* family : {kSkillPictures.data(), kWinningPictures.data()})
        for (int i = 0; i < 5; ++i)
            bitmap(std::string(family[i]), kRatingWidth, kRatingHeight);
    for (auto name : kAdvicePictures)
        bitmap(std::string(name), kAdviceWidth, kAdviceHeight);
    bitmap(std::string(kFreewarePicture), kFreewareWidth, kFreewareHeight);
    bitmap(std::string(kSplashPicture), kSplashWidth, kSplashHeight);
    bitmap(std::string(kIconPicture), kIconPictureSide, kIconPictureSide);
    bitmap(std::string(kSmallIconPicture), kSmallIconPictureSide, kSmallIconPictureSide);
    for (const auto& cursor : kCursors)
        list.push_back({ResourceKind::Cursor, std::string(cursor.name), kCursorSize, kCursorSize});
    for (auto name : kSounds)
        list.push_back({ResourceKind::Sound, std::string(name), 0, 0});
    return list;
}

std::string CanonicalResourceName(std::string_view name) {
    std::string canonical(name);
    for (char& c : canonical)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return canonical;
}

}  // namespace tindle
