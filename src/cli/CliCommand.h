#pragma once

#include <filesystem>
#include <string>
#include <vector>

// tindle-cli's commands: each command lives in its own file and registers itself with a
// static CliRegistrar, so that adding a command touches no shared file.

namespace tindle::cli {

using CliArgs = std::vector<std::string>;  // the arguments after the command name
using CliFunction = int (*)(const CliArgs& args);

struct CliRegistrar {
    CliRegistrar(const char* name, const char* usage, CliFunction function);
};

// The program folder that holds GAMES.DAT and ZUV.RGF: the folder of the tindle-cli
// executable in a build, the installed data folder of an installed one (ProgramPaths).
std::filesystem::path ProgramDirectory();

// Prints "tindle-cli: <message>" to stderr and gives the exit code for an error (1).
int Fail(const std::string& message);
// Prints the usage of one command to stderr and gives the exit code for a usage error (2).
int UsageError(const char* name);

}  // namespace tindle::cli
