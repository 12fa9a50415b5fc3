#include "shell/WindowBufferPrefault.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace tindle {

namespace {

// The paint writes the buffer from the top down; the helper makes it resident from the bottom up,
// a block at a time, so that the two meet once in the middle rather than wait for each other on
// the same pages all the way down.
constexpr std::uintptr_t kBlockBytes = std::uintptr_t{256} << 10;

const QImage* PaintBuffer(QWidget* widget) {
    QBackingStore* store = widget ? widget->window()->backingStore() : nullptr;
    QPaintDevice* device = store ? store->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image) return nullptr;
    return static_cast<const QImage*>(device);
}

}  // namespace

WindowBufferPrefault::WindowBufferPrefault(QWidget* widget)
    : WindowBufferPrefault(PaintBuffer(widget)) {}

WindowBufferPrefault::WindowBufferPrefault(const QImage* buffer) {
#if defined(MADV_POPULATE_WRITE)
    if (!buffer || buffer->isNull() || buffer->sizeInBytes() < kWorthwhileBytes) return;
    // Only the pages that lie wholly inside the buffer.
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(buffer->constBits());
    const std::uintptr_t first = (start + page - 1) / page * page;
    const std::uintptr_t last =
        (start + static_cast<std::uintptr_t>(buffer->sizeInBytes())) / page * page;
    if (last <= first) return;
    // A system without the request refuses it, and without a thread the paint does it all:
    // either way the paint makes the pages as before.
    helper_ = BackgroundTask([first, last] {
        for (std::uintptr_t end = last; end > first;) {
            const std::uintptr_t begin = end - first > kBlockBytes ? end - kBlockBytes : first;
            ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
            end = begin;
        }
    });
#else
    (void)buffer;
#endif
}

}  // namespace tindle
