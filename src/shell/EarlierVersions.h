#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What the program leaves in and clears from its data folder (the program directory itself
// when the program runs from a folder of its own, see ProgramPaths) for the sake of other
// versions: the one-line version stamp file, and the picture files and library that earlier
// versions kept beside the program (this version holds them all in ZUV.RGF).

namespace tindle {

// "SOLV0520.DAT" and its line "Bravell version: 05.20".
std::string VersionStampFileName();
std::string VersionStampLine();

// Writes the stamp file into the data folder when it does not exist yet. False when it
// had to be written and could not be (callers ignore it).
bool WriteVersionStamp(const std::filesystem::path& dataFolder);

// The files of earlier versions that exist and are to be deleted: the numbered game pictures
// when "IMAGES\GAME0000.BMP" exists, the background tiles when "IMAGES\WB001.BMP" exists, the
// card sheets when "IMAGES\CB001C.BMP" exists, and "BRAVELL.DLL".
std::vector<std::filesystem::path> LeftoverFiles(const std::filesystem::path& dataFolder);

// Deletes them, ignoring every failure.
void RemoveLeftoverFiles(const std::filesystem::path& dataFolder);

}  // namespace tindle
