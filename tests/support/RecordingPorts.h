#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/Ports.h"
#include "shell/Messages.h"

// Message and sound ports that show and play nothing and remember what they were asked.

namespace tindle::test {

struct RecordedMessage {
    std::string kind;  // "Information", "Confirm", "Beep", "FatalError", "Advice"
    std::string text;
    int page = -1;  // advice page
};

class RecordingMessages : public ShellMessagePort {
  public:
    void Information(std::string_view text) override { Add("Information", text); }
    bool Confirm(std::string_view text) override {
        Add("Confirm", text);
        return confirmAnswer;
    }
    void Beep() override { Add("Beep", ""); }
    void FatalError(std::string_view text) override { Add("FatalError", text); }
    bool ShowAdvice(std::string_view text, int page) override {
        Add("Advice", text, page);
        return tickAdvice;
    }

    std::vector<RecordedMessage> messages;
    bool confirmAnswer = true;
    bool tickAdvice = false;

  private:
    void Add(const char* kind, std::string_view text, int page = -1) {
        messages.push_back({kind, std::string(text), page});
    }
};

class RecordingSounds : public SoundPort {
  public:
    void Play(std::string_view name, SoundMode mode) override {
        played.emplace_back(std::string(name), mode);
    }
    void Stop() override { ++stops; }

    std::vector<std::pair<std::string, SoundMode>> played;
    int stops = 0;
};

}  // namespace tindle::test
