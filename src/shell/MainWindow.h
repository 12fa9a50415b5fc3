#pragma once

#include <QWidget>

namespace tindle {

// The main window: the card table drawn on the window's own surface.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tindle
