#pragma once

#include <filesystem>
#include <string>

namespace tindle::test {

// The source tree (for games/ and tests/data/) and the program directory of the build
// (GAMES.DAT, ZUV.RGF, the executables).
std::filesystem::path SourceDir();
std::filesystem::path ProgramDir();
std::filesystem::path DataFile(const std::string& name);  // tests/data/<name>

// A fresh, empty directory under the system's temporary directory, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& text);

}  // namespace tindle::test
