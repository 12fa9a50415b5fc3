#include "model/GameSource.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "model/GamesDatText.h"
#include "model/RuleCodes.h"

namespace tindle {

namespace {

constexpr int kMaxCatalogueNumber = 999;
constexpr size_t kMaxNameLength = 50;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool Printable(char c) {
    return c >= ' ' && c <= '~';
}

std::vector<std::string_view> Tokens(std::string_view s) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        size_t start = i;
        while (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        if (i > start) out.push_back(s.substr(start, i - start));
    }
    return out;
}

// A number, or a quoted character standing for its code ('Q' is 81).
std::optional<int32_t> ParseValueToken(std::string_view token) {
    if (token.size() == 3 && token.front() == '\'' && token.back() == '\'' && Printable(token[1])) {
        return static_cast<unsigned char>(token[1]);
    }
    if (token.empty() || token.front() == ' ') return std::nullopt;
    return ParseDecimal(token);
}

class Parser {
  public:
    Parser(const std::string& file, std::vector<std::string>& errors) : errors_(errors) {
        game_.file = file;
    }

    GameSource Run(std::string_view text) {
        int lineNumber = 0;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            ++lineNumber;
            Line(lineNumber, text.substr(start, end - start));
            start = end + 1;
        }
        RequireCatalogueData();
        return std::move(game_);
    }

  private:
    void Error(int lineNumber, const std::string& message) {
        errors_.push_back(game_.file + ":" + std::to_string(lineNumber) + ": " + message);
    }

    void Line(int n, std::string_view raw) {
        if (const size_t hash = raw.find('#'); hash != std::string_view::npos) {
            raw = raw.substr(0, hash);
        }
        const std::string_view line = Trim(raw);
        if (line.empty()) return;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            Error(n, "expected 'Name = value', found '" + std::string(line) + "'");
            return;
        }
        const std::string_view key = Trim(line.substr(0, eq));
        const std::string_view value = Trim(line.substr(eq + 1));
        if (key.empty()) {
            Error(n, "a field name is missing before '='");
            return;
        }
        if (value.empty()) {
            Error(n, "no value given for '" + std::string(key) + "'");
            return;
        }
        if (CatalogueKey(n, Lower(key), value)) return;
        Field(n, key, value);
    }

    // The catalogue data: Id, Type, Class, Attribute, Name. False when key is none of them.
    bool CatalogueKey(int n, const std::string& key, std::string_view value) {
        int* seenLine = nullptr;
        if (key == "id")
            seenLine = &seen_[0];
        else if (key == "type")
            seenLine = &seen_[1];
        else if (key == "class")
            seenLine = &seen_[2];
        else if (key == "attribute")
            seenLine = &seen_[3];
        else if (key == "name")
            seenLine = &seen_[4];
        else
            return false;
        if (*seenLine != 0) {
            Error(n, key + " is already given on line " + std::to_string(*seenLine));
            return true;
        }
        *seenLine = n;
        if (key == "id" || key == "type") {
            const auto number = ParseDecimal(value);
            if (!number || *number < 0 || *number > kMaxCatalogueNumber) {
                Error(n, (key == "id" ? "Id" : "Type") +
                             std::string(" must be a number 0..999, not '") + std::string(value) +
                             "'");
                return true;
            }
            if (key == "id") {
                game_.gameId = *number;
                game_.idLine = n;
            } else {
                game_.type = *number;
            }
        } else if (key == "class") {
            if (value.size() != 1 || !std::isdigit(static_cast<unsigned char>(value[0]))) {
                Error(n, "Class must be one digit ('0' or '2' are offered), not '" +
                             std::string(value) + "'");
                return true;
            }
            game_.availability = value[0];
        } else if (key == "attribute") {
            if (value.size() != 1 || !Printable(value[0])) {
                Error(n, "Attribute must be one printable character, not '" + std::string(value) +
                             "'");
                return true;
            }
            game_.attribute = value[0];
        } else {
            if (value.size() > kMaxNameLength) {
                Error(n, "Name is longer than 50 characters");
                return true;
            }
            if (!std::all_of(value.begin(), value.end(), Printable)) {
                Error(n, "Name may hold only printable ASCII characters");
                return true;
            }
            game_.name = std::string(value);
        }
        return true;
    }

    void Field(int n, std::string_view key, std::string_view value) {
        // Name or Name[j]
        std::string_view name = key;
        int first = 0;
        bool indexed = false;
        if (const size_t open = key.find('['); open != std::string_view::npos) {
            if (key.back() != ']') {
                Error(n, "expected Name[index], found '" + std::string(key) + "'");
                return;
            }
            name = Trim(key.substr(0, open));
            const auto j = ParseDecimal(Trim(key.substr(open + 1, key.size() - open - 2)));
            if (!j || *j < 0) {
                Error(n, "the index in '" + std::string(key) + "' is not a number 0 or above");
                return;
            }
            first = *j;
            indexed = true;
        }
        const GameDefFieldInfo* info = FindGameDefField(name);
        if (info == nullptr) {
            Error(n, "unknown field name '" + std::string(name) + "'");
            return;
        }
        const std::string fieldName(info->name);
        if (indexed && info->count == 1) {
            Error(n, fieldName + " is a single field; it takes no [index]");
            return;
        }
        const auto tokens = Tokens(value);
        if (info->count == 1 && tokens.size() != 1) {
            Error(n, fieldName + " takes one value, " + std::to_string(tokens.size()) + " given");
            return;
        }
        if (first >= info->count) {
            Error(n, fieldName + "[" + std::to_string(first) + "] is past its last element (" +
                         fieldName + " has " + std::to_string(info->count) + ")");
            return;
        }
        if (first + static_cast<int>(tokens.size()) > info->count) {
            Error(n, fieldName + " has " + std::to_string(info->count) + " elements; " +
                         std::to_string(tokens.size()) + " values from element " +
                         std::to_string(first) + " overflow it");
            return;
        }
        for (size_t t = 0; t < tokens.size(); ++t) {
            const int element = first + static_cast<int>(t);
            const int index = info->index + element;
            const std::string label =
                info->count > 1 ? fieldName + "[" + std::to_string(element) + "]" : fieldName;
            const auto number = ParseValueToken(tokens[t]);
            if (!number) {
                Error(n, label + ": '" + std::string(tokens[t]) + "' is not an integer");
                continue;
            }
            if (*number < info->minimum || *number > info->maximum) {
                Error(n, label + ": " + std::to_string(*number) + " is out of range " +
                             std::to_string(info->minimum) + ".." + std::to_string(info->maximum));
                continue;
            }
            if (FamilyOfField(index) != nullptr && FindRuleCode(index, *number) == nullptr) {
                Error(n, label + " = " + std::to_string(*number) + " is not a known code");
                continue;
            }
            auto& assignedLine = game_.line[static_cast<size_t>(index)];
            if (assignedLine != 0) {
                Error(n, label + " is already set on line " + std::to_string(assignedLine));
                continue;
            }
            assignedLine = n;
            game_.def[index] = static_cast<int16_t>(*number);
        }
    }

    void RequireCatalogueData() {
        static constexpr const char* kNames[] = {"Id", "Type", "Class", nullptr, "Name"};
        for (size_t i = 0; i < 5; ++i) {
            if (kNames[i] != nullptr && seen_[i] == 0) {
                errors_.push_back(game_.file + ":1: the game has no " + kNames[i]);
            }
        }
    }

    GameSource game_;
    std::vector<std::string>& errors_;
    int seen_[5] = {0, 0, 0, 0, 0};  // lines of Id, Type, Class, Attribute, Name
};

}  // namespace

GameSource ParseGameSource(const std::string& file, std::string_view text,
                           std::vector<std::string>& errors) {
    return Parser(file, errors).Run(text);
}

}  // namespace tindle
