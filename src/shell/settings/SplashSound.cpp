#include "shell/settings/SplashSound.h"

namespace tindle {

bool ReadSplashSound(SettingsRecord& record, const PreferencesFile& prefs) {
    record.Put(field::SoundsEnabled, prefs.ReadString(section::Preference, "Sounds_Enabled", "Y"));
    return record.IsYes(field::SoundsEnabled) &&
           prefs.ReadString(section::Preference, "Sounds_Splash", "Y") == "Y";
}

}  // namespace tindle
