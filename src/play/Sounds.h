#pragma once

#include <string_view>

#include "model/Ports.h"
#include "shell/settings/SettingsRecord.h"

// Every sound of the program is played through here: it plays only when its own switch
// (a yes/no field of the settings record) and the master switch Sounds_Enabled are both "Y".

namespace tindle {

inline bool SoundAllowed(const SettingsRecord& settings, SettingField eventSwitch) {
    return settings.IsYes(field::SoundsEnabled) && settings.IsYes(eventSwitch);
}

inline void PlayGatedSound(const SettingsRecord& settings, SoundPort& sounds, std::string_view name,
                           SettingField eventSwitch, SoundMode mode = SoundMode::Async) {
    if (SoundAllowed(settings, eventSwitch)) sounds.Play(name, mode);
}

// Stops the sound that is playing; like every sound request, only while sounds are enabled.
inline void StopGatedSounds(const SettingsRecord& settings, SoundPort& sounds) {
    if (settings.IsYes(field::SoundsEnabled)) sounds.Stop();
}

}  // namespace tindle
