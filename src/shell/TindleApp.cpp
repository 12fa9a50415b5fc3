#include "shell/TindleApp.h"

#include "shell/PicturePreload.h"
#include "shell/SoundBackend.h"
#include "shell/SoundPlayer.h"
#include "shell/settings/SettingsInit.h"

namespace tindle {

namespace {
constexpr const char* kResourceLibraryName = "ZUV.RGF";
constexpr const char* kGamesDatName = "GAMES.DAT";
}  // namespace

TindleApp::TindleApp(const std::filesystem::path& programDir,
                     std::unique_ptr<ShellMessagePort> messages, std::unique_ptr<SoundPort> sounds)
    : messages_(std::move(messages)), sounds_(std::move(sounds)) {
    InitialiseSettingsRecord(settings, programDir);
    if (!sounds_) {
        auto player = std::make_unique<SoundPlayer>(
            [this](std::string_view name) { return library.SoundUrl(name); },
            ProgramDir() / kSoundModuleFileName);
        player_ = player.get();
        sounds_ = std::move(player);
    }
}

TindleApp::~TindleApp() = default;

std::filesystem::path TindleApp::ResourceLibraryPath() const {
    return ProgramDir() / kResourceLibraryName;
}

std::filesystem::path TindleApp::GamesDatPath() const {
    return ProgramDir() / kGamesDatName;
}

bool TindleApp::LoadResourceLibrary() {
    if (library.IsLoaded()) return true;
    const QString path = QString::fromStdString(ResourceLibraryPath().string());
    if (library.Load(path)) return true;
    messages_->FatalError(ResourceLibrary::LoadFailureMessage(path).toStdString());
    return false;
}

void TindleApp::StartSounds() {
    if (player_) player_->Start();
}

}  // namespace tindle
