#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// The request to end the program that comes as a signal (SIGTERM when the desktop session
// ends without a session manager, SIGHUP when the terminal that started it goes): handled on
// the window thread as a close of the main window, so that the game in progress is held as at
// any close. The signal handler only writes a byte into a socket pair; the notifier of its
// other end runs the close once the window thread is back in its event loop.

namespace tindle {

class TerminationSignal : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; onTerminate runs on the window thread for every signal caught.
    // The handlers stay in place until the object goes, which puts the previous ones back.
    TerminationSignal(std::function<void()> onTerminate, QObject* parent);
    ~TerminationSignal() override;

    bool Installed() const { return notifier_ != nullptr; }

  private:
    void Received();

    std::function<void()> onTerminate_;
    int fds_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tindle
