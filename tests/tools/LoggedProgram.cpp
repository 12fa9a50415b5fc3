// tindle-logged LOG: the program as `tindle` runs it, but every message is appended as one line
// to the file LOG instead of being shown ("Information: text", "Confirm: text", "Beep",
// "FatalError: text", "Advice <page>: text", line breaks of a text written as "\n");
// confirmations are answered OK and advice boxes left unticked. The whole-program tests run
// it so that no message box can block them and what it said can be checked. It is built for
// the tests only: the installed program reads no argument and no environment variable.
#include <QApplication>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "shell/Messages.h"
#include "shell/ProgramEntry.h"

namespace {

class LoggedMessages : public tindle::ShellMessagePort {
  public:
    explicit LoggedMessages(std::filesystem::path logFile) : file_(std::move(logFile)) {}

    void Information(std::string_view text) override { Log("Information: ", text); }
    bool Confirm(std::string_view text) override {
        Log("Confirm: ", text);
        return true;
    }
    void Beep() override { Log("Beep", ""); }
    void FatalError(std::string_view text) override { Log("FatalError: ", text); }
    bool ShowAdvice(std::string_view text, int page) override {
        Log("Advice " + std::to_string(page) + ": ", text);
        return false;
    }

  private:
    void Log(const std::string& kind, std::string_view text) {
        std::string line = kind;
        for (char c : text) {
            if (c == '\n')
                line += "\\n";
            else if (c != '\r')
                line += c;
        }
        std::ofstream out(file_, std::ios::app | std::ios::binary);
        out << line << '\n';
    }

    std::filesystem::path file_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) return 2;
    return tindle::RunProgram(application, std::make_unique<LoggedMessages>(argv[1]));
}
