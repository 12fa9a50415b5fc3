#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QUrl>

#include <string>
#include <vector>

#include "play/Sounds.h"
#include "shell/SoundPlayer.h"
#include "support/QtTestApp.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"
#include "table/ResourceLibrary.h"

namespace tindle {
namespace {

TEST(SoundGating, PlaysOnlyWithTheEventSwitchAndTheMasterSwitch) {
    SettingsRecord settings;
    test::RecordingSounds sounds;
    settings.Put(field::SoundsEnabled, "Y");
    settings.Put(field::SoundsStock, "Y");
    settings.Put(field::SoundsNewGame, "N");

    PlayGatedSound(settings, sounds, "Stock", field::SoundsStock);
    PlayGatedSound(settings, sounds, "New", field::SoundsNewGame, SoundMode::Sync);
    ASSERT_EQ(sounds.played.size(), 1u);
    EXPECT_EQ(sounds.played[0].first, "Stock");
    EXPECT_EQ(sounds.played[0].second, SoundMode::Async);

    // The master switch off silences every sound whatever its own switch says, and the stop
    // request of the closing window is skipped too.
    settings.Put(field::SoundsEnabled, "N");
    PlayGatedSound(settings, sounds, "Stock", field::SoundsStock);
    StopGatedSounds(settings, sounds);
    EXPECT_EQ(sounds.played.size(), 1u);
    EXPECT_EQ(sounds.stops, 0);

    settings.Put(field::SoundsEnabled, "Y");
    StopGatedSounds(settings, sounds);
    EXPECT_EQ(sounds.stops, 1);
}

TEST(SoundGating, AnythingButYIsOff) {
    SettingsRecord settings;
    test::RecordingSounds sounds;
    settings.Put(field::SoundsEnabled, "y");
    settings.Put(field::SoundsStock, "Y");
    PlayGatedSound(settings, sounds, "Stock", field::SoundsStock);
    settings.Put(field::SoundsEnabled, "Y");
    settings.Put(field::SoundsStock, "");
    PlayGatedSound(settings, sounds, "Stock", field::SoundsStock);
    EXPECT_TRUE(sounds.played.empty());
}

class SoundPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::QtTestApp();
        ASSERT_TRUE(
            library.Load(QString::fromStdString((test::ProgramDir() / "ZUV.RGF").string())));
    }
    static std::filesystem::path Module() { return test::ProgramDir() / "tindle-sound.so"; }
    ResourceLibrary library;
    std::vector<std::string> asked;
};

TEST_F(SoundPlayerTest, NothingIsMadeBeforeStartAndTheLastRequestPlaysThen) {
    SoundPlayer player(
        [this](std::string_view name) {
            asked.emplace_back(name);
            return library.SoundUrl(name);
        },
        Module());
    player.Play("Splash", SoundMode::Async);
    player.Play("About", SoundMode::Async);
    EXPECT_TRUE(asked.empty());
    ASSERT_TRUE(player.Pending());
    EXPECT_EQ(player.Pending()->first, "About");

    player.Start();
    EXPECT_FALSE(player.Pending());
    EXPECT_EQ(asked, std::vector<std::string>{"About"});
    if (player.CanPlay()) {
        EXPECT_EQ(player.Current(), "About");
    }
}

TEST_F(SoundPlayerTest, AStopBeforeStartDropsTheRequest) {
    SoundPlayer player([this](std::string_view name) { return library.SoundUrl(name); }, Module());
    player.Play("Splash", SoundMode::Async);
    player.Stop();
    player.Start();
    EXPECT_EQ(player.Current(), "");
}

TEST_F(SoundPlayerTest, AMissingSoundStopsThePlayingOne) {
    SoundPlayer player(
        [this](std::string_view name) {
            asked.emplace_back(name);
            return library.SoundUrl(name);
        },
        Module());
    player.Start();
    player.Play("Shuffle", SoundMode::Loop);
    if (player.CanPlay()) {
        EXPECT_EQ(player.Current(), "Shuffle");
    }
    player.Play("_tmp_stop_", SoundMode::Async);
    EXPECT_EQ(player.Current(), "");
    EXPECT_EQ(asked, (std::vector<std::string>{"Shuffle", "_tmp_stop_"}));
}

TEST_F(SoundPlayerTest, ASynchronousSoundReturnsWithOrWithoutAnAudioDevice) {
    SoundPlayer player([this](std::string_view name) { return library.SoundUrl(name); }, Module());
    player.SetSyncLimit(3000);
    player.Start();
    QElapsedTimer clock;
    clock.start();
    player.Play("New", SoundMode::Sync);
    EXPECT_LT(clock.elapsed(), 3500);
    // Without a device there is nothing to wait for.
    if (!player.CanPlay()) {
        EXPECT_LT(clock.elapsed(), 500);
    }
    EXPECT_EQ(player.Current(), "");
    // A new sound replaces the last; stopping leaves nothing playing.
    player.Play("Won", SoundMode::Async);
    player.Play("Stock", SoundMode::Async);
    if (player.CanPlay()) {
        EXPECT_EQ(player.Current(), "Stock");
    }
    player.Stop();
    EXPECT_EQ(player.Current(), "");
}

TEST_F(SoundPlayerTest, TheSoundModuleIsLoadedByStart) {
    SoundPlayer player([this](std::string_view name) { return library.SoundUrl(name); }, Module());
    EXPECT_FALSE(player.HasBackend());
    player.Start();
    EXPECT_TRUE(player.HasBackend());
}

TEST_F(SoundPlayerTest, WithoutTheModuleTheProgramIsSilent) {
    test::TempDir dir;
    test::WriteFile(dir.Path() / "tindle-sound.so", "not a library");
    for (const auto& module : {dir.Path() / "none.so", dir.Path() / "tindle-sound.so"}) {
        SoundPlayer player([this](std::string_view name) { return library.SoundUrl(name); },
                           module);
        player.Play("Splash", SoundMode::Async);
        player.Start();
        EXPECT_FALSE(player.HasBackend());
        player.Play("New", SoundMode::Sync);
        player.Play("Shuffle", SoundMode::Loop);
        EXPECT_EQ(player.Current(), "");
        player.Stop();
    }
}

}  // namespace
}  // namespace tindle
