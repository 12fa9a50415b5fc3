#include "model/RuleCodes.h"

#include <array>

namespace tindle {

namespace {

constexpr RuleCode kCodes[] = {
#define RULE_FAMILY(family, text)
#define RULE_FIELD(family, field)
#define RULE_CODE(family, name, value, rule) {#family, #name, value, value, rule},
#define RULE_RANGE(family, name, first, last, rule) {#family, #name, first, last, rule},
#define RULE_FAMILY_END(family)
#include "model/RuleCodes.def"
#undef RULE_FAMILY
#undef RULE_FIELD
#undef RULE_CODE
#undef RULE_RANGE
#undef RULE_FAMILY_END
};

struct FamilyText {
    std::string_view name;
    std::string_view text;
};

constexpr FamilyText kFamilyTexts[] = {
#define RULE_FAMILY(family, text) {#family, text},
#define RULE_FIELD(family, field)
#define RULE_CODE(family, name, value, rule)
#define RULE_RANGE(family, name, first, last, rule)
#define RULE_FAMILY_END(family)
#include "model/RuleCodes.def"
#undef RULE_FAMILY
#undef RULE_FIELD
#undef RULE_CODE
#undef RULE_RANGE
#undef RULE_FAMILY_END
};

struct FieldBinding {
    std::string_view family;
    gd::Field field;
};

constexpr FieldBinding kBindings[] = {
#define RULE_FAMILY(family, text)
#define RULE_FIELD(family, field) {#family, gd::field},
#define RULE_CODE(family, name, value, rule)
#define RULE_RANGE(family, name, first, last, rule)
#define RULE_FAMILY_END(family)
#include "model/RuleCodes.def"
#undef RULE_FAMILY
#undef RULE_FIELD
#undef RULE_CODE
#undef RULE_RANGE
#undef RULE_FAMILY_END
};

constexpr size_t kFamilyCount = std::size(kFamilyTexts);

// Each family's codes are one run of kCodes; its fields one run of kBindings.
struct Tables {
    std::array<RuleFamily, kFamilyCount> families{};
    std::array<std::span<const gd::Field>, kFamilyCount> fields{};
    std::array<gd::Field, std::size(kBindings)> boundFields{};
};

const Tables& TheTables() {
    static const Tables tables = [] {
        Tables t;
        size_t code = 0;
        size_t binding = 0;
        for (size_t f = 0; f < kFamilyCount; ++f) {
            const std::string_view name = kFamilyTexts[f].name;
            const size_t firstCode = code;
            while (code < std::size(kCodes) && kCodes[code].family == name)
                ++code;
            t.families[f] = {name, kFamilyTexts[f].text,
                             std::span<const RuleCode>(kCodes + firstCode, code - firstCode)};
            const size_t firstBinding = binding;
            while (binding < std::size(kBindings) && kBindings[binding].family == name) {
                t.boundFields[binding] = kBindings[binding].field;
                ++binding;
            }
            t.fields[f] = std::span<const gd::Field>(t.boundFields.data() + firstBinding,
                                                     binding - firstBinding);
        }
        return t;
    }();
    return tables;
}

}  // namespace

std::span<const RuleFamily> RuleFamilies() {
    return TheTables().families;
}

const RuleFamily* FindRuleFamily(std::string_view name) {
    for (const RuleFamily& f : RuleFamilies()) {
        if (f.name == name) return &f;
    }
    return nullptr;
}

const RuleFamily* FamilyOfField(int fieldIndex) {
    const GameDefFieldInfo* info = GameDefFieldAt(fieldIndex);
    if (info == nullptr) return nullptr;
    for (const FieldBinding& b : kBindings) {
        if (b.field == info->index) return FindRuleFamily(b.family);
    }
    return nullptr;
}

const RuleCode* FindRuleCode(int fieldIndex, int value) {
    const RuleFamily* family = FamilyOfField(fieldIndex);
    if (family == nullptr) return nullptr;
    for (const RuleCode& c : family->codes) {
        if (c.Holds(value)) return &c;
    }
    return nullptr;
}

std::span<const gd::Field> FieldsOfFamily(std::string_view family) {
    const Tables& t = TheTables();
    for (size_t f = 0; f < kFamilyCount; ++f) {
        if (t.families[f].name == family) return t.fields[f];
    }
    return {};
}

}  // namespace tindle
