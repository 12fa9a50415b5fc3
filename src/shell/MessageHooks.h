#pragma once

#include <QObject>

// The application-wide message hooks of the main window: event filters on the application
// that see every event before it is delivered.
//
// - Animation hook (while an interruptible animation such as the winning animation runs):
//   a key press or a press of the left, right or middle mouse button, in any window and also
//   on a window frame, clears the AnimationRunning flag and is swallowed; everything else
//   passes. The animation loops watch the flag and stop.
// - Deal hook (while a deal is drawn card by card): a key press or a left or right button
//   press sets the dealCutShort flag and is swallowed: the deal is drawn to its end at once
//   (the cards are dealt already; only their flights are cut), and the press plays nothing.
//
// At most one hook is installed at a time; Restore puts back the state without a hook.

namespace tindle {

struct RunFlags;

class MessageHooks : public QObject {
    Q_OBJECT
  public:
    enum class Hook { None, Animation, Deal };

    explicit MessageHooks(RunFlags& flags, QObject* parent = nullptr);
    ~MessageHooks() override;

    void Install(Hook hook);
    void Restore() { Install(Hook::None); }
    Hook Installed() const { return hook_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool AnimationFilter(QEvent* event);
    bool DealFilter(QEvent* event);

    RunFlags& flags_;
    Hook hook_ = Hook::None;
};

}  // namespace tindle
