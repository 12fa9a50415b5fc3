#include "shell/WinningAnimationHost.h"

#include <algorithm>

#include "shell/MainWindow.h"
#include "shell/TableArea.h"
#include "shell/TindleApp.h"

namespace tindle {

namespace {

// The top of the free table when no toolbar shows.
constexpr int kTopWithoutToolBar = 5;

}  // namespace

WinningAnimationArea MeasureWinningArea(TfrmMain& window) {
    WinningAnimationArea area;
    // In table pixels: the table is drawn at its zoom.
    const TableArea& table = *window.imgSfondo;
    const QRect client = table.ToTable(table.rect());
    area.clientWidth = client.width();
    area.clientHeight = client.height();
    // Without a window manager the frame is the window itself; never less than the table.
    const QRect frame = table.ToTable(QRect(QPoint(0, 0), window.frameGeometry().size()));
    area.windowWidth = std::max(frame.width(), area.clientWidth);
    area.windowHeight = std::max(frame.height(), area.clientHeight);
    const int toolBarBottom = table.ToTable(QRect(0, 0, 1, window.ToolBarBottom())).height();
    area.top = toolBarBottom > 0 ? toolBarBottom : kTopWithoutToolBar;
    area.cardWidth = window.App().pictures.CardWidth();
    area.cardHeight = window.App().pictures.CardHeight();
    return area;
}

WinningPattern PlayWinningAnimationOn(TfrmMain& window) {
    window.activateWindow();
    window.imgSfondo->setFocus();
    TindleApp& app = window.App();
    return PlayWinningAnimation({app.game, app.renderer, app.time, app.random, app.settings},
                                MeasureWinningArea(window));
}

}  // namespace tindle
