#pragma once

#include <filesystem>
#include <string>

// One running copy of the program per data folder. Each copy reads the held game, the
// statistics and the preferences when it starts and writes them back from what it holds, so
// two copies of the same data would silently undo each other's games and scores. The first
// copy locks a file in the data folder for as long as it runs (the system lets the lock go
// with the process, however it ends) and writes its process id into it; a later start finds
// the lock taken, asks the running copy to show its window (kShowWindowSignal) and ends.
//
// A data folder where the file cannot be made (not there yet, read only) guards nothing: the
// program runs as it would without the lock.

namespace tindle {

inline constexpr const char* kRunningCopyFileName = "tindle.lock";

class RunningCopyLock {
  public:
    explicit RunningCopyLock(const std::filesystem::path& dataFolder);
    ~RunningCopyLock();
    RunningCopyLock(const RunningCopyLock&) = delete;
    RunningCopyLock& operator=(const RunningCopyLock&) = delete;

    // Another copy runs with this data folder.
    bool OtherCopyRuns() const { return otherRuns_; }
    // It has been asked to show its window (not when its id cannot be read or it cannot be
    // signalled, as a copy of another account).
    bool OtherCopyAsked() const { return otherAsked_; }

  private:
    int fd_ = -1;
    bool otherRuns_ = false;
    bool otherAsked_ = false;
};

// What a start says when the running copy could not be asked to show its window.
std::string RunningCopyText(const std::filesystem::path& dataFolder);

}  // namespace tindle
