// The expose reports of a window's map are dropped; later ones, and other windows', are kept.
#include <gtest/gtest.h>

#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstring>

#include "shell/MapExposeFilter.h"

namespace tindle {
namespace {

const QByteArray kXcb = "xcb_generic_event_t";

// An event as the display library hands it on: 32 bytes at most, then the full request number.
template <class Event>
bool Filter(MapExposeFilter& filter, const Event& event, std::uint32_t sequence,
            const QByteArray& type = kXcb) {
    static_assert(sizeof(Event) <= 32);
    xcb_generic_event_t received{};
    std::memcpy(&received, &event, sizeof event);
    received.full_sequence = sequence;
    return filter.nativeEventFilter(type, &received, nullptr);
}

bool Map(MapExposeFilter& filter, std::uint32_t window, std::uint32_t sequence,
         std::uint8_t type = XCB_MAP_NOTIFY) {
    xcb_map_notify_event_t map{};
    map.response_type = type;
    map.event = window;
    map.window = window;
    return Filter(filter, map, sequence);
}

bool Expose(MapExposeFilter& filter, std::uint32_t window, std::uint32_t sequence,
            const QByteArray& type = kXcb) {
    xcb_expose_event_t expose{};
    expose.response_type = XCB_EXPOSE | 0x80;  // the "sent by a client" bit is ignored
    expose.window = window;
    expose.width = 10;
    expose.height = 10;
    return Filter(filter, expose, sequence, type);
}

TEST(MapExposeFilter, DropsOnlyTheExposeReportsOfTheMap) {
    MapExposeFilter filter;
    EXPECT_FALSE(Expose(filter, 7, 5)) << "a window never mapped";
    EXPECT_FALSE(Map(filter, 7, 40)) << "the map notice itself goes on";
    EXPECT_TRUE(Expose(filter, 7, 39));
    EXPECT_TRUE(Expose(filter, 7, 40));
    EXPECT_FALSE(Expose(filter, 7, 41)) << "made after the map's picture may have arrived";
    EXPECT_FALSE(Expose(filter, 8, 40)) << "another window";
    EXPECT_FALSE(Expose(filter, 7, 40, "windows_generic_MSG"));

    // Request numbers wrap around.
    EXPECT_FALSE(Map(filter, 9, 2));
    EXPECT_TRUE(Expose(filter, 9, 0xfffffff0u));
    EXPECT_FALSE(Expose(filter, 9, 3));

    // Unmapped, the window's reports are its own again until the next map notice.
    EXPECT_FALSE(Map(filter, 7, 50, XCB_UNMAP_NOTIFY));
    EXPECT_FALSE(Expose(filter, 7, 40));
    EXPECT_FALSE(Map(filter, 7, 60));
    EXPECT_TRUE(Expose(filter, 7, 60));
}

}  // namespace
}  // namespace tindle
