#pragma once

#include <QObject>

#include <csignal>
#include <functional>

class QSocketNotifier;

// The request to end the program that comes as a signal (SIGTERM when the desktop session
// ends without a session manager, SIGHUP when the terminal that started it goes): handled on
// the window thread as a close of the main window, so that the game in progress is held as at
// any close. Likewise kShowWindowSignal, by which a later start of the program asks this one
// to show its window (RunningCopy.h). The signal handler only writes the signal's number into
// a socket pair; the notifier of its other end runs the answer once the window thread is back
// in its event loop.

namespace tindle {

inline constexpr int kShowWindowSignal = SIGUSR1;

class TerminationSignal : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; onTerminate runs on the window thread for every request to end
    // caught, onShowWindow for every kShowWindowSignal (ignored without it). The handlers stay
    // in place until the object goes, which puts the previous ones back.
    TerminationSignal(std::function<void()> onTerminate, QObject* parent,
                      std::function<void()> onShowWindow = {});
    ~TerminationSignal() override;

    bool Installed() const { return notifier_ != nullptr; }

  private:
    void Received();

    std::function<void()> onTerminate_;
    std::function<void()> onShowWindow_;
    int fds_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tindle
