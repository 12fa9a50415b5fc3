// tindle-marked MARKS: the program as `tindle` runs it, which also appends the time its main
// window's first picture reached the screen to the file MARKS (nanoseconds of the realtime
// clock, then a line break). bench/startup.sh writes the time of the exec in front of it on
// the same line, so each start leaves "exec-ns painted-ns". Built for the start-up benchmark
// only: the installed program reads no argument and no environment variable.
#include <QApplication>

#include <chrono>
#include <fstream>
#include <string>

#include "shell/FontConfigWarmUp.h"
#include "shell/Messages.h"
#include "shell/ProgramEntry.h"

int main(int argc, char** argv) {
    const tindle::FontConfigWarmUp fontConfig;
    QApplication application(argc, argv);
    if (argc != 2) return 2;
    const std::string marks = argv[1];
    return tindle::RunProgram(application, nullptr, [marks] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::ofstream(marks, std::ios::app)
            << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << '\n';
    });
}
