#include "model/CardTable.h"

#include <algorithm>

#include "model/Pile.h"
#include "model/RuleCodes.h"

namespace tindle {

namespace {

constexpr const char* kSuitNames[4] = {"CUORI", "QUADR", "FIORI", "PICCH"};

std::string RankSuffix(int rank) {
    switch (rank) {
        case 1:
            return "A";
        case 11:
            return "J";
        case 12:
            return "Q";
        case 13:
            return "K";
        default:
            return rank < 10 ? "0" + std::to_string(rank) : std::to_string(rank);
    }
}

std::string MakeEntry(int n) {
    std::string name;
    char suitDigit = '4';
    if (n >= 105) {
        name = "JOKER";
    } else {
        int m = n > 52 ? n - 52 : n;
        int suit = (m - 1) / 13;
        int rank = (m - 1) % 13 + 1;
        name = std::string(kSuitNames[suit]) + "_" + RankSuffix(rank);
        suitDigit = static_cast<char>('1' + suit);
    }
    name.resize(15, ' ');
    return name + suitDigit + CardText(n) + kFaceUp;
}

}  // namespace

CardTable::CardTable() {
    // Every table starts alike and a search makes one for each depth it reaches: the entries
    // are written once and copied.
    static const auto fresh = [] {
        std::array<char, kCards * kEntryChars> entries{};
        for (int n = 1; n <= kCards; ++n) {
            const std::string entry = MakeEntry(n);
            std::copy(entry.begin(), entry.end(), entries.begin() + (n - 1) * kEntryChars);
        }
        return entries;
    }();
    entries_ = fresh;
}

std::string_view CardTable::Entry(int n) const {
    if (n < 1 || n > kCards) return {};
    return {entries_.data() + (n - 1) * kEntryChars, kEntryChars};
}

void CardTable::SetCardFace(int n, char flag) {
    if (n < 1 || n > kCards) return;
    entries_[static_cast<size_t>(n * kEntryChars - 1)] = flag;
}

void CardTable::SetAllFaceUp() {
    for (int n = 1; n <= kCards; ++n)
        entries_[static_cast<size_t>(n * kEntryChars - 1)] = kFaceUp;
}

void CardTable::SetPileFaces(std::string_view pile, int mode, char flag) {
    int count = PileCount(pile);
    if (mode > faceMode::TopCards) {  // that many top cards; 0 turns none
        for (int i = std::max(0, count - mode); i < count; ++i)
            SetCardFace(PileCardAt(pile, i), flag);
    } else if (mode == faceMode::Alternate || mode == faceMode::AlternateDown) {
        // Alternate: 1st, 3rd, .. card up; AlternateDown: 1st, 3rd, .. card down.
        for (int i = 0; i < count; ++i) {
            bool odd = i % 2 == 0;  // position 0 is the 1st card
            bool up = (mode == faceMode::Alternate) ? odd : !odd;
            SetCardFace(PileCardAt(pile, i), up ? kFaceUp : kFaceDown);
        }
    } else if (mode == faceMode::BottomUpOnly) {
        for (int i = 0; i < count; ++i)
            SetCardFace(PileCardAt(pile, i), i == 0 ? kFaceUp : kFaceDown);
    }
}

}  // namespace tindle
