#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

// What the fuzz targets share: the input as text, a folder of the process's own to put it in as
// a file, and the program directory of the build (GAMES.DAT).

namespace tindle::fuzz {

inline std::string_view Text(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process, removed at a normal exit (an input that crashes leaves it). It lies
// in memory when the system offers a folder there: the writes under test force every file to
// disk, which would slow a fuzzer down a hundredfold.
class WorkFolderOfProcess {
  public:
    WorkFolderOfProcess() {
        std::error_code ec;
        const std::filesystem::path memory = "/dev/shm";
        const bool inMemory =
            std::filesystem::is_directory(memory, ec) && ::access(memory.c_str(), W_OK) == 0;
        path_ = (inMemory ? memory : std::filesystem::temp_directory_path()) /
                ("tindle-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_, ec);
        std::filesystem::create_directories(path_);
    }
    ~WorkFolderOfProcess() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline const std::filesystem::path& WorkFolder() {
    static const WorkFolderOfProcess folder;
    return folder.Path();
}

// Writes bytes as the whole file.
inline void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Fails loudly: the fuzzer keeps the input that broke a rule of the code.
[[noreturn]] inline void Broken() {
    __builtin_trap();
}

}  // namespace tindle::fuzz
