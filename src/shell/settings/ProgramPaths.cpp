#include "shell/settings/ProgramPaths.h"

#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

// The install rules tell where the program's files lie relative to the installed executable.
#if !defined(TINDLE_INSTALLED_DATA_FROM_BIN) || !defined(TINDLE_INSTALLED_MODULE_FROM_BIN)
#error "the build defines where an installed program finds its files"
#endif

namespace tindle {

namespace {

namespace fs = std::filesystem;

constexpr const char* kDataHomeName = "tindle";

bool Holds(const fs::path& dir, const char* name) {
    std::error_code ec;
    return fs::is_regular_file(dir / name, ec);
}

bool IsDirectory(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir, ec);
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

ProgramPaths ProgramPaths::InOneFolder(const fs::path& dir) {
    return ProgramPaths{dir, dir, dir / kSoundModuleFileName};
}

DataHomeEnvironment DataHomeEnvironment::OfThisProcess() {
    DataHomeEnvironment env;
    env.xdgDataHome = Environment("XDG_DATA_HOME");
    env.home = Environment("HOME");
    if (env.home.empty()) {
        if (const passwd* account = getpwuid(getuid()); account && account->pw_dir)
            env.home = account->pw_dir;
    }
    env.isWritable = [](const fs::path& dir) { return access(dir.c_str(), W_OK) == 0; };
    return env;
}

fs::path DataHome(const DataHomeEnvironment& env) {
    if (const fs::path xdg = env.xdgDataHome; !xdg.empty() && xdg.is_absolute())
        return xdg / kDataHomeName;
    if (!env.home.empty()) return fs::path(env.home) / ".local" / "share" / kDataHomeName;
    return {};
}

ProgramPaths ResolveProgramPaths(const fs::path& executableDir, const DataHomeEnvironment& env) {
    const ProgramPaths ownFolder = ProgramPaths::InOneFolder(executableDir);
    const fs::path installedData =
        (executableDir / TINDLE_INSTALLED_DATA_FROM_BIN).lexically_normal();
    const bool runsFromOwnFolder =
        Holds(executableDir, kGamesDatFileName) || !IsDirectory(installedData);

    ProgramPaths paths = ownFolder;
    if (!runsFromOwnFolder) {
        paths.programDir = installedData;
        paths.soundModule = (executableDir / TINDLE_INSTALLED_MODULE_FROM_BIN).lexically_normal() /
                            kSoundModuleFileName;
    }
    const bool dataBesideProgram =
        runsFromOwnFolder && env.isWritable && env.isWritable(executableDir);
    if (!dataBesideProgram) {
        // Without a known home the writes fail quietly in the program folder, as they would
        // in any folder that cannot be written.
        if (fs::path home = DataHome(env); !home.empty())
            paths.dataFolder = home;
        else
            paths.dataFolder = paths.programDir;
    }
    return paths;
}

fs::path ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec);
    return exe.parent_path();
}

ProgramPaths ThisProgramPaths() {
    return ResolveProgramPaths(ExecutableFolder(), DataHomeEnvironment::OfThisProcess());
}

}  // namespace tindle
