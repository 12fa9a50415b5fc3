// The first paint's helper: a buffer's pages made resident beside the paint, its pixels kept.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <sys/mman.h>
#include <unistd.h>

#include <vector>

#include "shell/WindowBufferPrefault.h"
#include "support/QtTestApp.h"

namespace tindle {
namespace {

// Pages of a mapping that are resident.
std::size_t ResidentPages(void* memory, std::size_t bytes) {
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> resident((bytes + page - 1) / page);
    if (::mincore(memory, bytes, resident.data()) != 0) return 0;
    std::size_t count = 0;
    for (const unsigned char r : resident)
        count += r & 1;
    return count;
}

TEST(WindowBufferPrefault, MakesALargeBufferResidentAndLeavesItsPixels) {
    test::QtTestApp();
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const int width = 1024, height = 600;  // 2.4 MB, fresh memory as a window's buffer is
    const std::size_t bytes = static_cast<std::size_t>(width) * height * 4;
    void* memory =
        ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(memory, MAP_FAILED);
    static_cast<QRgb*>(memory)[0] = qRgb(1, 2, 3);  // one page written before
    ASSERT_EQ(ResidentPages(memory, bytes), 1u);
    {
        const QImage buffer(static_cast<uchar*>(memory), width, height, width * 4,
                            QImage::Format_RGB32);
        const WindowBufferPrefault prefault(&buffer);
    }
    EXPECT_EQ(ResidentPages(memory, bytes), bytes / page);
    EXPECT_EQ(static_cast<QRgb*>(memory)[0], qRgb(1, 2, 3));
    EXPECT_EQ(static_cast<QRgb*>(memory)[bytes / 4 - 1], 0u);
    ::munmap(memory, bytes);

    // A window that was never shown has no buffer yet: nothing to do.
    QWidget unshown;
    const WindowBufferPrefault none(&unshown);
}

}  // namespace
}  // namespace tindle
