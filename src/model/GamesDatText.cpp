#include "model/GamesDatText.h"

#include "model/GameDef.h"
#include "shell/settings/AtomicFile.h"

namespace tindle {

namespace {

constexpr unsigned char kTransformPivot = 80;
constexpr unsigned char kTransformShift = 48;

}  // namespace

unsigned char TransformChar(unsigned char c) {
    return c < kTransformPivot ? static_cast<unsigned char>(c + kTransformShift)
                               : static_cast<unsigned char>(c - kTransformShift);
}

std::string TransformText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(TransformChar(static_cast<unsigned char>(c)));
    return out;
}

GamesDatStatus GamesDatLines::Read(const std::filesystem::path& path) {
    file = path;
    lines.clear();
    std::string text;
    switch (ReadFileLimited(path, kMaxGamesDatBytes, text)) {
        case FileReadStatus::Ok:
            break;
        case FileReadStatus::Missing:
            return {"cannot read " + path.string() + ": No such file or directory"};
        case FileReadStatus::Unreadable:
            return {"cannot read " + path.string() +
                    ": not a regular file, or no permission to read it"};
        case FileReadStatus::TooLarge:
            return {"cannot read " + path.string() + ": larger than " +
                    std::to_string(kMaxGamesDatBytes) + " bytes, not a game definitions file"};
    }
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return {};
}

std::vector<SectionLine> GamesDatLines::Section(std::string_view header, bool* found) const {
    std::vector<SectionLine> result;
    bool inside = false;
    bool seen = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!line.empty() && line[0] == '[') {
            inside = line.compare(0, header.size(), header) == 0;
            seen = seen || inside;
            continue;
        }
        if (inside) result.push_back({static_cast<int>(i) + 1, line});
    }
    if (found != nullptr) *found = seen;
    return result;
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<std::string> FieldValueText(std::string_view line, int column) {
    if (column < 0) return std::nullopt;
    const size_t start = kFirstValueColumn + kValueStride * static_cast<size_t>(column);
    if (line.size() <= start) return std::nullopt;
    std::string value = TransformText(line.substr(start, kValueWidth));
    while (!value.empty() && value.back() == ' ')
        value.pop_back();
    return value;
}

std::string FieldLabel(int index) {
    std::string label = "field " + std::to_string(index);
    if (const GameDefFieldInfo* f = GameDefFieldAt(index)) {
        label += " (" + std::string(f->name);
        if (f->count > 1) label += "[" + std::to_string(index - f->index) + "]";
        label += ")";
    }
    return label;
}

}  // namespace tindle
