#include "shell/TindleApp.h"

#include "shell/PicturePreload.h"
#include "shell/SoundPlayer.h"
#include "shell/settings/SettingsInit.h"

namespace tindle {

namespace {
constexpr const char* kResourceLibraryName = "ZUV.RGF";
}  // namespace

TindleApp::TindleApp(const ProgramPaths& paths, std::unique_ptr<ShellMessagePort> messages,
                     std::unique_ptr<SoundPort> sounds)
    : messages_(std::move(messages)),
      sounds_(sounds ? std::move(sounds)
                     : std::make_unique<SoundPlayer>(
                           [this](std::string_view name) { return library.SoundUrl(name); },
                           paths.soundModule)) {
    InitialiseSettingsRecord(settings, paths);
    player_ = dynamic_cast<SoundPlayer*>(sounds_.get());
}

TindleApp::~TindleApp() {
    // The start's worker may still be busy with the pictures.
    preload.reset();
}

std::filesystem::path TindleApp::ResourceLibraryPath() const {
    return ProgramDir() / kResourceLibraryName;
}

std::filesystem::path TindleApp::GamesDatPath() const {
    return ProgramDir() / kGamesDatFileName;
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
