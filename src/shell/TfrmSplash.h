#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace tindle {

// The splash window shown while the program starts: the splash picture of the resource
// library, which carries the product's name and the words "Freeware version", centred on the
// screen without a frame. Without the picture the words are shown as text on the table green,
// in the forms' font; with it the splash writes nothing and so never waits for the font
// database, which the start reads meanwhile on a worker thread.
class TfrmSplash : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kFallbackWidth = 480;
    static constexpr int kFallbackHeight = 300;

    explicit TfrmSplash(const QImage& picture);

    // Paints at once, unless the splash was painted before, and lets the window system catch up
    // once.
    void RepaintNow();
    // Whether the words are written by the window (no picture) rather than by the picture.
    bool ShowsFreewareText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    QLabel* lblFreeware_ = nullptr;
    bool painted_ = false;
};

}  // namespace tindle
