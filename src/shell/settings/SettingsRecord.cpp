#include "shell/settings/SettingsRecord.h"

#include <charconv>

namespace tindle {

namespace {

// Block number and 0-based character index of a 1-based position; false outside the blocks.
bool Locate(int position, int& block, int& index) {
    if (position >= 1 && position <= 249) {
        block = 0;
        index = position - 1;
    } else if (position >= 251 && position <= 499) {
        block = 1;
        index = position - 251;
    } else if (position >= 501 && position <= 500 + SettingsRecord::kBlockChars) {
        block = 2;
        index = position - 501;
    } else {
        return false;
    }
    return true;
}

}  // namespace

void SettingsRecord::Reset() {
    for (auto& b : blocks_)
        b.assign(kBlockChars, ' ');
    programDir_.clear();
    programDirField_.clear();
    dataFolder_.clear();
    options = PreferenceOptions{};
}

void SettingsRecord::SetProgramDir(std::string_view dir) {
    Put(field::ProgramDir, dir);
    programDir_.assign(dir);
    programDirField_ = Get(field::ProgramDir);
}

std::string SettingsRecord::ProgramDir() const {
    std::string stored = Get(field::ProgramDir);
    // Another writer may have replaced the field; then the field wins.
    return !programDir_.empty() && stored == programDirField_ ? programDir_ : stored;
}

void SettingsRecord::SettingPut(int position, int width, std::string_view text) {
    int block = 0;
    int index = 0;
    if (width <= 0 || !Locate(position, block, index)) return;
    size_t start = text.find_first_not_of(' ');
    text = start == std::string_view::npos ? std::string_view{} : text.substr(start);
    std::string value(text.substr(0, static_cast<size_t>(width)));
    value.resize(static_cast<size_t>(width), ' ');
    std::string& b = blocks_[static_cast<size_t>(block)];
    for (int k = 0; k < width && index + k < kBlockChars; ++k) {
        b[static_cast<size_t>(index + k)] = value[static_cast<size_t>(k)];
    }
}

std::string SettingsRecord::SettingGet(int position, int width) const {
    int block = 0;
    int index = 0;
    if (width <= 0 || !Locate(position, block, index)) return {};
    const std::string& b = blocks_[static_cast<size_t>(block)];
    std::string value = b.substr(static_cast<size_t>(index), static_cast<size_t>(width));
    size_t end = value.find_last_not_of(' ');
    value.resize(end == std::string::npos ? 0 : end + 1);
    return value;
}

long long SettingsRecord::GetInt(SettingField f, long long fallback) const {
    long long value = 0;
    return ParseInteger(Get(f), value) ? value : fallback;
}

std::string ZeroPad(long long number, int width) {
    if (width <= 0) return {};
    // The magnitude as unsigned so that the most negative number does not overflow.
    unsigned long long magnitude = number < 0 ? 0ULL - static_cast<unsigned long long>(number)
                                              : static_cast<unsigned long long>(number);
    std::string digits = std::to_string(magnitude);
    std::string sign = number < 0 ? "-" : "";
    if (static_cast<int>(sign.size() + digits.size()) > width)
        return std::string(static_cast<size_t>(width), '*');
    return sign + std::string(static_cast<size_t>(width) - sign.size() - digits.size(), '0') +
           digits;
}

bool ParseInteger(std::string_view text, long long& value) {
    size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return false;
    text = text.substr(start);
    if (!text.empty() && text[0] == '+') text = text.substr(1);
    if (text.empty()) return false;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

bool ParseIntegerIn(std::string_view text, int lo, int hi, int& value) {
    long long v = 0;
    if (text.empty() || text.front() == ' ' || !ParseInteger(text, v) || v < lo || v > hi)
        return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace tindle
