#include "support/TestPaths.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace tindle::test {

std::filesystem::path SourceDir() {
    return TINDLE_SOURCE_DIR;
}
std::filesystem::path ProgramDir() {
    return TINDLE_PROGRAM_DIR;
}
std::filesystem::path DataFile(const std::string& name) {
    return SourceDir() / "tests" / "data" / name;
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("tindle-test-" + std::to_string(getpid()) + "-" +
                                 std::to_string(counter++) + "-" + std::to_string(rd() % 100000));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

}  // namespace tindle::test
