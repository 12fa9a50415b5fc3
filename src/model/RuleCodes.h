#pragma once

#include <span>
#include <string_view>

#include "model/GameDef.h"

// The named codes of the coded rule fields (RuleCodes.def): one namespace per family with an
// enum Code, so that rule code reads `def[gd::SpecialGame] == special::Pyramid` and
// `case build::GridJump:`. A range names its first value and, with the suffix Last, its last
// (base::Rank .. base::RankLast).

namespace tindle {

#define RULE_FAMILY(family, text) \
    namespace family {            \
    enum Code : int {
#define RULE_FIELD(family, field)
#define RULE_CODE(family, name, value, rule) name = value,
#define RULE_RANGE(family, name, first, last, rule) name = first, name##Last = last,
#define RULE_FAMILY_END(family) \
    }                           \
    ;                           \
    }
#include "model/RuleCodes.def"
#undef RULE_FAMILY
#undef RULE_FIELD
#undef RULE_CODE
#undef RULE_RANGE
#undef RULE_FAMILY_END

// One named code, or a named range of values of one meaning.
struct RuleCode {
    std::string_view family;
    std::string_view name;
    int first = 0;
    int last = 0;  // == first for a single code
    std::string_view rule;
    bool Holds(int value) const { return value >= first && value <= last; }
};

struct RuleFamily {
    std::string_view name;
    std::string_view text;
    std::span<const RuleCode> codes;
};

// Every family, in the order of RuleCodes.def.
std::span<const RuleFamily> RuleFamilies();
const RuleFamily* FindRuleFamily(std::string_view name);

// The family whose codes a field holds (any element of a per-pile field); nullptr for a
// field that holds counts, switches or numbers rather than codes.
const RuleFamily* FamilyOfField(int fieldIndex);

// The code that names a value of a coded field; nullptr when the field is not coded or the
// value is not named.
const RuleCode* FindRuleCode(int fieldIndex, int value);

// The fields bound to a family (first indexes of per-pile fields), in RuleCodes.def order.
std::span<const gd::Field> FieldsOfFamily(std::string_view family);

}  // namespace tindle
