#pragma once

#include <filesystem>
#include <functional>
#include <string>

// Where the program finds its files and where it keeps the player's.
//
// The program folder holds GAMES.DAT, ZUV.RGF and the help file. A build or an unpacked copy
// runs from a folder of its own: the program folder is the executable's folder, recognised by
// the GAMES.DAT beside it. An installed program lies in PREFIX/bin and finds its files in
// PREFIX/share/tindle and its sound module in PREFIX/lib/<multiarch triplet>/tindle (the
// install rules tell these places).
//
// The data folder holds the folder DATA (preferences and scores) and the version stamp. It is
// the program folder when that is the executable's own, writable folder, so that a build or
// an unpacked copy keeps its data beside it as it always did; otherwise it is the player's
// data home, $XDG_DATA_HOME/tindle (by default ~/.local/share/tindle). Nothing is ever written
// under an install prefix, which belongs to the package manager.
//
// Every part of the start asks this one resolver; nothing else looks at these places.

namespace tindle {

// The file that tells a program folder, and the sound backend's module file.
inline constexpr const char* kGamesDatFileName = "GAMES.DAT";
inline constexpr const char* kSoundModuleFileName = "tindle-sound.so";

struct ProgramPaths {
    std::filesystem::path programDir;   // GAMES.DAT, ZUV.RGF, the help file
    std::filesystem::path dataFolder;   // DATA and the version stamp
    std::filesystem::path soundModule;  // the sound backend's module file

    // A program that keeps everything in one folder: a build, an unpacked copy, a test's.
    static ProgramPaths InOneFolder(const std::filesystem::path& dir);
};

// What chooses the data home: the environment variables XDG_DATA_HOME and HOME, and whether
// a folder may be written to.
struct DataHomeEnvironment {
    std::string xdgDataHome;
    std::string home;
    std::function<bool(const std::filesystem::path&)> isWritable;

    // This process's: its environment (HOME falling back to the account's home folder) and
    // the system's answer whether a folder is writable.
    static DataHomeEnvironment OfThisProcess();
};

// The player's data home: $XDG_DATA_HOME/tindle when XDG_DATA_HOME is an absolute path (the
// desktop convention ignores a relative one), else $HOME/.local/share/tindle; empty when
// neither is known.
std::filesystem::path DataHome(const DataHomeEnvironment& env);

// The places of a program whose executable lies in executableDir (see above). When neither
// that folder nor the installed data folder can be found, the executable's folder is the
// program folder, so that the message about a missing GAMES.DAT names it.
ProgramPaths ResolveProgramPaths(const std::filesystem::path& executableDir,
                                 const DataHomeEnvironment& env);

// The folder of the running executable; the current folder when the system cannot tell.
std::filesystem::path ExecutableFolder();

// The places of this process: ResolveProgramPaths of its executable and environment.
ProgramPaths ThisProgramPaths();

}  // namespace tindle
