#include "shell/Launch.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>

#include "model/Ports.h"
#include "shell/LaunchTarget.h"

namespace tindle {

bool OpenWithSystem(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool Launch(std::string_view kind, std::string_view address, MessagePort& messages,
            const UrlOpener& open) {
    const std::optional<std::string> target = LaunchTarget(kind, address);
    if (!target) {
        messages.Information("Error in parameters");
        return false;
    }
    const QUrl url(QString::fromStdString(*target), QUrl::StrictMode);
    if (!url.isValid() || !IsLaunchableScheme(url.scheme().toStdString())) return false;
    if (!open) return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = open(url);
    QGuiApplication::restoreOverrideCursor();
    return opened;
}

}  // namespace tindle
