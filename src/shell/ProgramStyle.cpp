#include "shell/ProgramStyle.h"

#include <QIcon>
#include <QPixmap>

namespace tindle {

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
        const QPixmap pixmap = baseStyle()->standardPixmap(icon, option, widget);
        if (!pixmap.isNull()) return QIcon(pixmap);
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace tindle
