#pragma once

#include <functional>
#include <thread>

// Helper threads that compute beside the window thread (decoding pictures, making a buffer
// resident, searching a deal) must not take the processor from it. A new thread starts on the
// processor of the thread that made it and, as a fresh task, usually preempts it there, while
// another processor may be idle: the window thread then waits until the system balances its
// load, up to a scheduler tick (several ms, at a start or during a paint). A background
// thread therefore runs as a batch task (it never preempts on waking; it keeps its full share
// of the processor, so it is not starved on a busy machine) with the shortest time slice (so
// that the X server or the session bus, woken by the window thread onto its processor, runs
// at once rather than at the next tick), and moves at once to another processor that it may
// use; from there the system places it as any other thread.

namespace tindle {

// Starts `task` on a new background thread, as above. Throws std::system_error as
// std::thread does when no thread can be had; a system that refuses the scheduling requests
// runs the task as an ordinary thread.
std::thread StartBackgroundThread(std::function<void()> task);

// A task that prepares something ahead on such a thread and that nobody waits for until it is
// needed or the holder goes: the thread is joined then. When no thread can be had the task is
// not run; what it would have prepared is made where it is needed.
class BackgroundTask {
  public:
    BackgroundTask() = default;
    explicit BackgroundTask(std::function<void()> task);
    ~BackgroundTask() { Join(); }
    BackgroundTask(BackgroundTask&&) noexcept = default;
    // Waits for the task held so far before taking the other's.
    BackgroundTask& operator=(BackgroundTask&& other) noexcept;

    // Waits until the task has run (at once when there is none).
    void Join();

  private:
    std::thread thread_;
};

}  // namespace tindle
