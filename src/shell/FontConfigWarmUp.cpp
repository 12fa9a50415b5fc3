#include "shell/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

#include "shell/BackgroundThread.h"

namespace tindle {

FontConfigWarmUp::FontConfigWarmUp() {
    try {
        thread_ = StartBackgroundThread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the toolkit reads the configuration when it needs it.
    }
}

FontConfigWarmUp::~FontConfigWarmUp() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace tindle
