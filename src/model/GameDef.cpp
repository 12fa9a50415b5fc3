#include "model/GameDef.h"

#include <algorithm>
#include <cctype>

namespace tindle {

namespace {

constexpr GameDefFieldInfo kFieldTable[] = {
#define GAMEDEF_FIELD(name, index, count, lo, hi) {#name, index, count, lo, hi},
#include "model/GameDefFields.def"
#undef GAMEDEF_FIELD
};

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::span<const GameDefFieldInfo> GameDefFieldTable() {
    return kFieldTable;
}

const GameDefFieldInfo* FindGameDefField(std::string_view name) {
    for (const auto& f : kFieldTable) {
        if (EqualNoCase(f.name, name)) return &f;
    }
    return nullptr;
}

const GameDefFieldInfo* GameDefFieldAt(int index) {
    for (const auto& f : kFieldTable) {
        if (index >= f.index && index < f.index + f.count) return &f;
    }
    return nullptr;
}

void DealFieldsCopy::Take(const GameDef& def) {
    for (int j = 0; j < 16; ++j)
        foundationBase_[static_cast<size_t>(j)] =
            static_cast<int16_t>(def.At(gd::FoundationBase, j));
    for (int k = 0; k < 28; ++k)
        tableauBase_[static_cast<size_t>(k)] = static_cast<int16_t>(def.At(gd::TableauBase, k));
}

void DealFieldsCopy::RestoreInto(GameDef& def) const {
    for (int j = 0; j < 16; ++j)
        def.At(gd::FoundationBase, j) = foundationBase_[static_cast<size_t>(j)];
    for (int k = 0; k < 28; ++k)
        def.At(gd::TableauBase, k) = tableauBase_[static_cast<size_t>(k)];
}

}  // namespace tindle
