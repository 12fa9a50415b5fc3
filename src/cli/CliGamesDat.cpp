#include "cli/CliGamesDat.h"

#include "model/GamesDatText.h"

namespace tindle::cli {

std::filesystem::path GamesDatArgument(const CliArgs& args, size_t position) {
    if (position < args.size()) return args[position];
    return ProgramDirectory() / "GAMES.DAT";
}

std::optional<int> GameIdArgument(const std::string& text) {
    if (text.empty() || text.front() == ' ') return std::nullopt;
    const auto id = ParseDecimal(text);
    if (!id || *id < 0) return std::nullopt;
    return *id;
}

}  // namespace tindle::cli
