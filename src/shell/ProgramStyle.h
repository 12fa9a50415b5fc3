#pragma once

#include <QProxyStyle>

// The program's widget style: the desktop's own, except for the two standard icons that Qt
// makes from picture files of its own, the overflow arrows of menu bars and toolbars, which
// come from the style's built-in pixmaps instead. Every menu bar asks for its arrow when it is
// made, and reading such a file makes Qt load every image-format plugin installed (GIF, ICO,
// JPEG, SVG with the SVG library) to learn the file's format, ahead of the main window's first
// picture. The plugins still load when a player's own picture file is first read.

namespace tindle {

class ProgramStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace tindle
