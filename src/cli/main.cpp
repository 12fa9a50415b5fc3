// tindle-cli: headless access to the engine (the game program itself reads no arguments).
#include <cstdio>
#include <map>
#include <string>

#include "cli/CliCommand.h"
#include "shell/settings/ProgramPaths.h"

namespace tindle::cli {

namespace {

struct Entry {
    const char* usage;
    CliFunction function;
};

std::map<std::string, Entry>& Registry() {
    static std::map<std::string, Entry> commands;
    return commands;
}

int PrintUsage() {
    std::fprintf(stderr, "usage: tindle-cli COMMAND [ARGS]\ncommands:\n");
    for (const auto& [name, entry] : Registry())
        std::fprintf(stderr, "  tindle-cli %s\n", entry.usage);
    return 2;
}

}  // namespace

CliRegistrar::CliRegistrar(const char* name, const char* usage, CliFunction function) {
    Registry()[name] = Entry{usage, function};
}

std::filesystem::path ProgramDirectory() {
    return ThisProgramPaths().programDir;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "tindle-cli: %s\n", message.c_str());
    return 1;
}

int UsageError(const char* name) {
    auto it = Registry().find(name);
    if (it == Registry().end()) return PrintUsage();
    std::fprintf(stderr, "usage: tindle-cli %s\n", it->second.usage);
    return 2;
}

}  // namespace tindle::cli

int main(int argc, char** argv) {
    using namespace tindle::cli;
    if (argc < 2) return PrintUsage();
    auto it = Registry().find(argv[1]);
    if (it == Registry().end()) {
        std::fprintf(stderr, "tindle-cli: unknown command '%s'\n", argv[1]);
        return PrintUsage();
    }
    CliArgs args(argv + 2, argv + argc);
    return it->second.function(args);
}
