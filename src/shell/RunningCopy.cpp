#include "shell/RunningCopy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <string>

#include "shell/TerminationSignal.h"

namespace tindle {

namespace {

// The process id the lock file names, written as a line; 0 when it names none, as when its
// copy has not written the whole line yet.
pid_t ProcessIdIn(int fd) {
    char text[32] = {};
    const ssize_t length = ::pread(fd, text, sizeof text - 1, 0);
    if (length <= 0) return 0;
    long pid = 0;
    const auto [end, error] = std::from_chars(text, text + length, pid);
    if (error != std::errc() || pid <= 0 || end == text + length || *end != '\n') return 0;
    return static_cast<pid_t>(pid);
}

}  // namespace

RunningCopyLock::RunningCopyLock(const std::filesystem::path& dataFolder) {
    const std::filesystem::path file = dataFolder / kRunningCopyFileName;
    // Close-on-exec: a program this one starts (a web browser) must not keep the lock.
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        fd_ = fd;
        // Without the id the lock still holds: a later start then ends without asking.
        const std::string pid = std::to_string(::getpid()) + '\n';
        if (::ftruncate(fd_, 0) == 0) static_cast<void>(::pwrite(fd_, pid.data(), pid.size(), 0));
        return;
    }
    if (errno == EWOULDBLOCK) {
        otherRuns_ = true;
        const pid_t other = ProcessIdIn(fd);
        otherAsked_ = other != 0 && ::kill(other, kShowWindowSignal) == 0;
    }
    ::close(fd);
}

std::string RunningCopyText(const std::filesystem::path& dataFolder) {
    return "Tindle is already running with the data of " + dataFolder.string() +
           ", and its window cannot be shown from here.";
}

RunningCopyLock::~RunningCopyLock() {
    // The file stays: removing it would let a start that opened it meanwhile lock a file no
    // other start can see.
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace tindle
