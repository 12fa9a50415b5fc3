#include "shell/MapExposeFilter.h"

#include <QByteArray>

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define TINDLE_HAVE_XCB 1
#endif

namespace tindle {

bool MapExposeFilter::nativeEventFilter(const QByteArray& eventType, void* message,
                                        qintptr* /*result*/) {
#ifdef TINDLE_HAVE_XCB
    if (eventType != "xcb_generic_event_t" || !message) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
        case XCB_MAP_NOTIFY: {
            const auto* map = static_cast<const xcb_map_notify_event_t*>(message);
            // A notice sent for a parent's child list names the parent as event; only the
            // window's own notice comes before its paint.
            if (map->event == map->window) mappedAt_[map->window] = event->full_sequence;
            return false;
        }
        case XCB_UNMAP_NOTIFY: {
            const auto* unmap = static_cast<const xcb_unmap_notify_event_t*>(message);
            if (unmap->event == unmap->window) mappedAt_.erase(unmap->window);
            return false;
        }
        case XCB_DESTROY_NOTIFY:
            mappedAt_.erase(static_cast<const xcb_destroy_notify_event_t*>(message)->window);
            return false;
        case XCB_EXPOSE: {
            const auto* expose = static_cast<const xcb_expose_event_t*>(message);
            const auto found = mappedAt_.find(expose->window);
            // Request numbers wrap around: "no later" is a difference that is not negative.
            return found != mappedAt_.end() &&
                   static_cast<std::int32_t>(found->second - event->full_sequence) >= 0;
        }
        default:
            return false;
    }
#else
    (void)eventType;
    (void)message;
    return false;
#endif
}

}  // namespace tindle
