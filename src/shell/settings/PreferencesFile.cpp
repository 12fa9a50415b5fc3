#include "shell/settings/PreferencesFile.h"

#include <algorithm>
#include <climits>

#include "shell/settings/SettingsRecord.h"

namespace tindle {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return {};
    size_t end = text.find_last_not_of(kBlanks);
    return text.substr(start, end - start + 1);
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

enum class LineKind { Other, Section, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section name or key, trimmed
    std::string_view value;  // entry value, trimmed
};

ParsedLine Parse(std::string_view line) {
    ParsedLine parsed;
    std::string_view text = Trim(line);
    if (text.empty() || text.front() == ';') return parsed;
    if (text.front() == '[') {
        size_t close = text.find(']');
        if (close == std::string_view::npos) return parsed;
        parsed.kind = LineKind::Section;
        parsed.name = Trim(text.substr(1, close - 1));
        return parsed;
    }
    size_t equals = text.find('=');
    if (equals == std::string_view::npos) return parsed;
    parsed.name = Trim(text.substr(0, equals));
    if (parsed.name.empty()) return parsed;
    parsed.kind = LineKind::Entry;
    parsed.value = Trim(text.substr(equals + 1));
    return parsed;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool ValidSectionName(std::string_view name) {
    return !Trim(name).empty() && !HasLineBreakOrNul(name) && name.find(']') == name.npos;
}

bool ValidKey(std::string_view key) {
    std::string_view trimmed = Trim(key);
    return !trimmed.empty() && !HasLineBreakOrNul(key) && key.find('=') == key.npos &&
           trimmed.front() != '[' && trimmed.front() != ';';
}

// One-line form of a value: line breaks and NULs would split or end the line.
std::string OneLine(std::string_view value) {
    std::string text(value);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return text;
}

}  // namespace

PreferencesFile::PreferencesFile(std::filesystem::path path, const FileOps& ops)
    : path_(std::move(path)), ops_(ops), content_(Load(path_)) {}

PreferencesFile::Content PreferencesFile::Load(const std::filesystem::path& path) {
    Content content;
    content.status = ReadFileLimited(path, kMaxFileBytes, content.raw);
    std::string_view text = content.raw;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        content.byteOrderMark = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    size_t firstBreak = text.find('\n');
    if (firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r') {
        content.lineBreak = "\r\n";
    }
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        content.lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return content;
}

std::string PreferencesFile::Serialise(const Content& content) {
    std::string text = content.byteOrderMark ? std::string(kByteOrderMark) : std::string();
    for (const std::string& line : content.lines) {
        text += line;
        text += content.lineBreak;
    }
    return text;
}

std::optional<std::string> PreferencesFile::Find(const Content& content,
                                                 std::string_view sectionName,
                                                 std::string_view key) {
    sectionName = Trim(sectionName);
    key = Trim(key);
    bool inSection = false;
    for (const std::string& line : content.lines) {
        ParsedLine parsed = Parse(line);
        if (parsed.kind == LineKind::Section) {
            inSection = SameName(parsed.name, sectionName);
        } else if (inSection && parsed.kind == LineKind::Entry && SameName(parsed.name, key)) {
            return std::string(parsed.value);
        }
    }
    return std::nullopt;
}

bool PreferencesFile::Change(Content& content, std::string_view sectionName, std::string_view key,
                             const std::optional<std::string>& value) {
    if (!ValidSectionName(sectionName) || !ValidKey(key)) return false;
    sectionName = Trim(sectionName);
    key = Trim(key);
    std::vector<std::string>& lines = content.lines;

    bool inSection = false;
    bool replaced = false;
    std::optional<size_t> insertAt;  // the line after the first matching section header
    for (size_t i = 0; i < lines.size();) {
        ParsedLine parsed = Parse(lines[i]);
        if (parsed.kind == LineKind::Section) {
            inSection = SameName(parsed.name, sectionName);
            if (inSection && !insertAt) insertAt = i + 1;
        } else if (inSection && parsed.kind == LineKind::Entry && SameName(parsed.name, key)) {
            if (!value) {
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            if (!replaced) {
                // The first occurrence is the one reads see; keep the key as the file
                // spells it. Later duplicates stay as they are (reads ignore them).
                lines[i] = std::string(parsed.name) + "=" + *value;
                replaced = true;
            }
        }
        ++i;
    }
    if (!value || replaced) return true;

    std::string entry = std::string(key) + "=" + *value;
    if (insertAt) {
        // Find the end of the first matching section, then step back over blank lines.
        size_t end = *insertAt;
        while (end < lines.size() && Parse(lines[end]).kind != LineKind::Section)
            ++end;
        while (end > *insertAt && Trim(lines[end - 1]).empty())
            --end;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(end), entry);
        return true;
    }
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + std::string(sectionName) + "]");
    lines.push_back(entry);
    return true;
}

std::string PreferencesFile::ReadString(std::string_view sectionName, std::string_view key,
                                        std::string_view fallback, std::size_t maxChars) const {
    std::optional<std::string> value = Find(content_, sectionName, key);
    std::string text = value ? std::move(*value) : std::string(fallback);
    if (text.size() > maxChars) text.resize(maxChars);
    return text;
}

int PreferencesFile::ReadInteger(std::string_view sectionName, std::string_view key,
                                 int fallback) const {
    std::optional<std::string> text = Find(content_, sectionName, key);
    long long value = 0;
    if (!text || !ParseInteger(*text, value) || value < INT_MIN || value > INT_MAX) {
        return fallback;
    }
    return static_cast<int>(value);
}

bool PreferencesFile::Write(const std::vector<KeyChange>& changes) {
    // Start from what is on disk now; refuse when that cannot be read whole, so that a
    // file we could not read is never replaced by our partial idea of it.
    Content disk = Load(path_);
    if (disk.status != FileReadStatus::Ok && disk.status != FileReadStatus::Missing) {
        content_ = std::move(disk);
        return false;
    }
    Content changed = disk;
    bool onlyRemovals = true;
    for (const KeyChange& change : changes) {
        if (!Change(changed, change.sectionName, change.key, change.value)) {
            content_ = std::move(disk);
            return false;
        }
        onlyRemovals = onlyRemovals && !change.value;
    }
    std::string text = Serialise(changed);
    bool nothingToDo = disk.status == FileReadStatus::Missing
                           ? onlyRemovals       // no file, nothing to delete from it
                           : text == disk.raw;  // the file already says so
    if (nothingToDo) {
        content_ = std::move(disk);
        return true;
    }
    if (!ReplaceFileAtomically(path_, text, ops_)) {
        content_ = std::move(disk);  // reads keep showing what the disk holds
        return false;
    }
    changed.raw = std::move(text);
    changed.status = FileReadStatus::Ok;
    content_ = std::move(changed);
    return true;
}

bool PreferencesFile::WriteString(std::string_view sectionName, std::string_view key,
                                  std::string_view value) {
    return Write({{sectionName, key, OneLine(value)}});
}

bool PreferencesFile::WriteInteger(std::string_view sectionName, std::string_view key, int value) {
    return Write({{sectionName, key, std::to_string(value)}});
}

bool PreferencesFile::DeleteKey(std::string_view sectionName, std::string_view key) {
    return Write({{sectionName, key, std::nullopt}});
}

bool PreferencesFile::WriteStrings(std::initializer_list<Entry> entries) {
    std::vector<KeyChange> changes;
    for (const Entry& entry : entries)
        changes.push_back({entry.sectionName, entry.key, OneLine(entry.value)});
    return Write(changes);
}

}  // namespace tindle
