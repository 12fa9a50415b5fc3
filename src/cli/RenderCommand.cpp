// tindle-cli render GAME_ID GAME_NUMBER OUT.png [GAMES.DAT] [--size WxH] [--cards B|M|L]
//   [--top T] [--preview]: the game dealt from the number and drawn on a table of that size
// (default 1024x768, big cards) as the window shows it after the deal, written as a PNG
// picture. The table's top is 5 (no toolbar showing) unless --top gives the bottom of a
// toolbar; --preview lays the table out as the open-a-game preview does. GAMES.DAT is the one
// given, else the program folder's; ZUV.RGF is the program folder's; the preferences are the
// program's defaults.
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliDeal.h"
#include "cli/CliGamesDat.h"
#include "table/TableRender.h"

namespace tindle::cli {

namespace {

constexpr int kMaxSide = 4096;
constexpr int kMaxTop = 1000;

struct RenderArguments {
    int gameId = 0;
    GameNumber number;
    std::string output;
    std::filesystem::path gamesDat;  // empty: the program folder's
    char cards = 'B';
    TableRenderOptions options;
};

std::optional<int> SmallNumber(const std::string& text, int lo, int hi) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    const int value = std::stoi(text);
    if (value < lo || value > hi) return std::nullopt;
    return value;
}

// "WxH" with both sides 1..4096 (three pictures of that size are held).
bool ParseSize(const std::string& text, TableRenderOptions& options) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    const auto w = SmallNumber(text.substr(0, x), 1, kMaxSide);
    const auto h = SmallNumber(text.substr(x + 1), 1, kMaxSide);
    if (!w || !h) return false;
    options.width = *w;
    options.height = *h;
    return true;
}

// Parses the arguments; on failure the error is printed and exitCode set.
std::optional<RenderArguments> Parse(const CliArgs& args, int& exitCode) {
    if (args.size() < 3) {
        exitCode = UsageError("render");
        return std::nullopt;
    }
    const std::optional<DealArguments> game = ParseGameAndNumber(args, exitCode);
    if (!game) return std::nullopt;
    RenderArguments parsed;
    parsed.gameId = game->gameId;
    parsed.number = game->number;
    parsed.output = args[2];
    for (size_t i = 3; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (i == 3 && option.rfind("--", 0) != 0) {
            parsed.gamesDat = option;
        } else if (option == "--preview") {
            parsed.options.previewMode = true;
        } else if (option == "--size" && hasValue) {
            if (!ParseSize(args[++i], parsed.options)) {
                exitCode = Fail("'" + args[i] + "' is not a table size (WxH, 1 to 4096 each)");
                return std::nullopt;
            }
        } else if (option == "--cards" && hasValue) {
            const std::string& letter = args[++i];
            if (letter != "B" && letter != "M" && letter != "L") {
                exitCode = Fail("'" + letter + "' is not a card size (B, M or L)");
                return std::nullopt;
            }
            parsed.cards = letter[0];
        } else if (option == "--top" && hasValue) {
            const auto top = SmallNumber(args[++i], 0, kMaxTop);
            if (!top) {
                exitCode = Fail("'" + args[i] + "' is not a table top (0 to 1000)");
                return std::nullopt;
            }
            parsed.options.top = *top;
        } else {
            exitCode = UsageError("render");
            return std::nullopt;
        }
    }
    return parsed;
}

int RenderCommand(const CliArgs& args) {
    int exitCode = 0;
    const auto parsed = Parse(args, exitCode);
    if (!parsed) return exitCode;

    // Joker labels need the font system of an application; no window is ever shown.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "tindle-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    const RenderedGame rendered =
        RenderDealtGame(ProgramDirectory(), parsed->gameId, parsed->number, parsed->cards,
                        parsed->options, parsed->gamesDat);
    if (rendered.image.isNull()) return Fail(rendered.error);
    QImageWriter writer(QString::fromStdString(parsed->output), "png");
    if (!writer.write(rendered.image))
        return Fail("cannot write '" + parsed->output + "': " + writer.errorString().toStdString());
    return 0;
}

const CliRegistrar kRegister(
    "render",
    "render GAME_ID GAME_NUMBER OUT.png [GAMES.DAT] [--size WxH] [--cards B|M|L] [--top T] "
    "[--preview]",
    RenderCommand);

}  // namespace

}  // namespace tindle::cli
