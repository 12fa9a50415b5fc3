#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <filesystem>
#include <fstream>

#include "shell/Messages.h"

// The message port of the running program: standard message boxes and the advice box.

namespace tindle {

class ResourceLibrary;

class MessageBoxes : public ShellMessagePort {
  public:
    // The library gives the advice box its pictures (no picture without one).
    void SetLibrary(const ResourceLibrary* library) { library_ = library; }

    // The window the boxes belong to (the main window once it exists).
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Information(std::string_view text) override;
    bool Confirm(std::string_view text) override;
    void Beep() override;
    void FatalError(std::string_view text) override;
    bool ShowAdvice(std::string_view text, int page) override;

  private:
    const ResourceLibrary* library_ = nullptr;
    QPointer<QWidget> parent_;
};

// A message port that shows nothing: every message is appended as one line to a log file
// ("Information: text", "Confirm: text", "Beep", "FatalError: text", "Advice <page>: text",
// line breaks of a text written as "\n"); confirmations are answered OK and advice boxes are
// left unticked. The program uses it instead of MessageBoxes when the environment variable
// TINDLE_MESSAGE_LOG names a file: the whole-program tests run the real program that way, so
// that a message cannot block them and what it said can be checked.
class LoggedMessages : public ShellMessagePort {
  public:
    static constexpr const char* kEnvironmentVariable = "TINDLE_MESSAGE_LOG";

    explicit LoggedMessages(const std::filesystem::path& logFile);

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
    void Log(const std::string& kind, std::string_view text);
    std::filesystem::path file_;
};

}  // namespace tindle
