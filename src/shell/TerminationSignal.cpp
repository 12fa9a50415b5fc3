#include "shell/TerminationSignal.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

namespace tindle {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, kShowWindowSignal};
// The write end of the pair while the handlers are installed (one object at a time).
volatile sig_atomic_t writeFd = -1;
struct sigaction previous[std::size(kSignals)];

// Only what is safe in a signal handler: one write, errno left as it was.
void Handler(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    if (writeFd >= 0) {
        const ssize_t written = ::write(writeFd, &byte, 1);
        static_cast<void>(written);
    }
    errno = saved;
}

}  // namespace

TerminationSignal::TerminationSignal(std::function<void()> onTerminate, QObject* parent,
                                     std::function<void()> onShowWindow)
    : QObject(parent),
      onTerminate_(std::move(onTerminate)),
      onShowWindow_(std::move(onShowWindow)) {
    if (writeFd >= 0) return;  // another object handles the signals already
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds_) != 0) return;
    // A full pair never blocks the handler: the byte is dropped (after thousands waiting).
    ::fcntl(fds_[0], F_SETFL, O_NONBLOCK);
    ::fcntl(fds_[1], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(fds_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignal::Received);
    writeFd = fds_[0];

    struct sigaction action {};
    action.sa_handler = Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
}

TerminationSignal::~TerminationSignal() {
    if (!notifier_) return;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    writeFd = -1;
    ::close(fds_[0]);
    ::close(fds_[1]);
}

void TerminationSignal::Received() {
    char bytes[16];
    bool terminate = false, show = false;
    for (ssize_t n; (n = ::read(fds_[1], bytes, sizeof bytes)) > 0;) {
        for (ssize_t i = 0; i < n; ++i)
            (bytes[i] == kShowWindowSignal ? show : terminate) = true;
    }
    if (show && onShowWindow_) onShowWindow_();
    if (terminate && onTerminate_) onTerminate_();
}

}  // namespace tindle
