#include "shell/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace tindle {

// Without a thread the toolkit reads the configuration when it needs it.
FontConfigWarmUp::FontConfigWarmUp() : reading_([] { FcInit(); }) {}

}  // namespace tindle
