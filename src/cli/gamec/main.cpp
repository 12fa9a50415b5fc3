// tindle-gamec: compiles the readable game sources (games/*.game) into GAMES.DAT.
//
//   tindle-gamec -o GAMES.DAT GAME_FILE...
//
// Every problem is printed as "file:line: message" and ends the run with exit code 1 before
// anything is written; the output file is replaced only as a whole.
#include <cstdio>
#include <string>
#include <vector>

#include "model/GameCompiler.h"
#include "shell/settings/AtomicFile.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: tindle-gamec -o GAMES.DAT GAME_FILE...\n");
    return 2;
}

// A game source is a few kilobytes of text.
constexpr std::size_t kMaxSourceBytes = 1u << 20;

bool ReadSource(const std::string& file, std::string& text) {
    return tindle::ReadFileLimited(file, kMaxSourceBytes, text) == tindle::FileReadStatus::Ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-o") {
            if (i + 1 >= argc || !out.empty()) return Usage();
            out = argv[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage();
        } else {
            files.push_back(arg);
        }
    }
    if (out.empty() || files.empty()) return Usage();

    std::vector<tindle::SourceText> sources;
    bool readable = true;
    for (const auto& file : files) {
        tindle::SourceText source{file, {}};
        if (!ReadSource(file, source.text)) {
            std::fprintf(stderr, "%s: cannot read the file (a regular file of at most %zu bytes)\n",
                         file.c_str(), kMaxSourceBytes);
            readable = false;
            continue;
        }
        sources.push_back(std::move(source));
    }
    if (!readable) return 1;

    const tindle::CompileResult result = tindle::CompileGames(sources);
    for (const auto& error : result.errors)
        std::fprintf(stderr, "%s\n", error.c_str());
    if (!result.Ok()) {
        std::fprintf(stderr, "tindle-gamec: %zu error(s); %s not written\n", result.errors.size(),
                     out.c_str());
        return 1;
    }
    const auto status = tindle::WriteFileReplacing(out, tindle::GamesDatBytes(result.games));
    if (!status.Ok()) {
        std::fprintf(stderr, "tindle-gamec: %s\n", status.error.c_str());
        return 1;
    }
    return 0;
}
