#include "shell/Launch.h"

#include <QDesktopServices>

#include "model/Ports.h"
#include "shell/Hourglass.h"
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
    const Hourglass hourglass;
    return open(url);
}

}  // namespace tindle
