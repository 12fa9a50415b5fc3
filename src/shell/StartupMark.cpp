#include "shell/StartupMark.h"

#include <chrono>
#include <cstdlib>
#include <fstream>

namespace tindle {

void WriteStartupMark() {
    const char* file = std::getenv(kStartupMarkVariable);
    if (!file || !*file) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::ofstream(file, std::ios::app)
        << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << '\n';
}

}  // namespace tindle
