#include "shell/QtTimePort.h"

#include <QCoreApplication>
#include <QThread>

namespace tindle {

QtTimePort::QtTimePort() {
    clock_.start();
}

uint64_t QtTimePort::TickCount() {
    return static_cast<uint64_t>(clock_.elapsed());
}

void QtTimePort::Wait(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void QtTimePort::WaitProcessingEvents(int ms) {
    const uint64_t end = TickCount() + static_cast<uint64_t>(std::max(ms, 0));
    do {
        const uint64_t now = TickCount();
        const int left = now < end ? static_cast<int>(end - now) : 0;
        QCoreApplication::processEvents(QEventLoop::AllEvents, left);
        if (TickCount() < end) QThread::msleep(1);
    } while (TickCount() < end);
}

void QtTimePort::ProcessEvents() {
    QCoreApplication::processEvents();
}

}  // namespace tindle
