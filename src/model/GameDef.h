#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// A game definition: 402 signed 16-bit rule fields, read by named index (GameDefFields.def).

namespace tindle {

namespace gd {
// Named field indexes. Per-pile fields name their first index: gd::TableauBase + j.
enum Field : int {
#define GAMEDEF_FIELD(name, index, count, lo, hi) name = index,
#include "model/GameDefFields.def"
#undef GAMEDEF_FIELD
};
}  // namespace gd

struct GameDefFieldInfo {
    std::string_view name;
    int index;
    int count;
    int minimum;
    int maximum;
};

// Every named field, in index order.
std::span<const GameDefFieldInfo> GameDefFieldTable();
// The named field (or array) by its name, compared without regard to case.
const GameDefFieldInfo* FindGameDefField(std::string_view name);
// The named field that covers an index, if any.
const GameDefFieldInfo* GameDefFieldAt(int index);

class GameDef {
  public:
    static constexpr int kFields = 402;

    int16_t& operator[](int i) { return fields_.at(static_cast<size_t>(i)); }
    int operator[](int i) const { return fields_.at(static_cast<size_t>(i)); }

    // Field `base + j` of a per-pile array.
    int At(gd::Field base, int j) const { return (*this)[static_cast<int>(base) + j]; }
    int16_t& At(gd::Field base, int j) { return (*this)[static_cast<int>(base) + j]; }

    void Clear() { fields_.fill(0); }
    bool operator==(const GameDef&) const = default;

  private:
    std::array<int16_t, kFields> fields_{};
};

// The fields a deal rewrites (foundation bases 48..63 and tableau bases 128..155): copied
// after every load so that a new deal of the same game can start from the file's values.
class DealFieldsCopy {
  public:
    void Take(const GameDef& def);
    void RestoreInto(GameDef& def) const;

  private:
    std::array<int16_t, 16> foundationBase_{};
    std::array<int16_t, 28> tableauBase_{};
};

}  // namespace tindle
