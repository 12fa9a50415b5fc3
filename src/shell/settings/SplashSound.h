#pragma once

#include "shell/settings/PreferencesFile.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {

// The read before the splash window: Sounds_Enabled (default "Y") goes into
// field::SoundsEnabled; the answer is whether the sound "Splash" should play, that is
// Sounds_Splash (default "Y") is "Y" and the master switch is on.
bool ReadSplashSound(SettingsRecord& record, const PreferencesFile& prefs);

}  // namespace tindle
