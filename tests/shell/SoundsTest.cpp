#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QUrl>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "play/Sounds.h"
#include "shell/SoundPlayer.h"
#include "shell/SoundServerSearch.h"
#include "shell/WaveSound.h"
#include "support/QtTestApp.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"
#include "table/ResourceLibrary.h"
#include "table/ResourceNames.h"

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

    // Start does not wait for the module: a request made while it loads replaces the
    // remembered one, or plays at once when the module is ready already.
    player.Start();
    EXPECT_EQ(asked, std::vector<std::string>{"About"});
    player.Play("Won", SoundMode::Sync);
    player.WaitUntilReady();
    EXPECT_FALSE(player.Pending());
    EXPECT_EQ(asked, (std::vector<std::string>{"About", "Won"}));
    if (player.CanPlay()) {
        EXPECT_EQ(player.Current(), "Won");
    } else {
        EXPECT_EQ(player.Current(), "");
    }
}

TEST_F(SoundPlayerTest, AStopBeforeStartDropsTheRequest) {
    SoundPlayer player([this](std::string_view name) { return library.SoundUrl(name); }, Module());
    player.Play("Splash", SoundMode::Async);
    player.Stop();
    player.Start();
    player.WaitUntilReady();
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
    player.WaitUntilReady();
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
    player.WaitUntilReady();
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

TEST_F(SoundPlayerTest, TheSoundModuleIsLoadedByStartOnlyWhereAServerMayAnswer) {
    SoundPlayer player([this](std::string_view name) { return library.SoundUrl(name); }, Module(),
                       [] { return true; });
    EXPECT_FALSE(player.HasBackend());
    player.Start();
    player.WaitUntilReady();
    EXPECT_TRUE(player.HasBackend());

    // Where none can, the program is silent from the start: the sound asked for before and
    // those asked for after are dropped, and a synchronous one does not wait.
    SoundPlayer silent([this](std::string_view name) { return library.SoundUrl(name); }, Module(),
                       [] { return false; });
    silent.Play("Splash", SoundMode::Loop);
    silent.Start();
    silent.WaitUntilReady();
    EXPECT_FALSE(silent.HasBackend());
    EXPECT_FALSE(silent.Pending());
    QElapsedTimer clock;
    clock.start();
    silent.Play("New", SoundMode::Sync);
    silent.Play("Shuffle", SoundMode::Loop);
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_EQ(silent.Current(), "");
    silent.Stop();
}

// The search answers "no" only where none of the places the server's client library looks in
// can lead to a server.
TEST(SoundServerSearch, NoOnlyWhereNoPlaceCanLeadToAServer) {
    test::TempDir dir;
    const std::filesystem::path runtime = dir.Path() / "run";
    const std::filesystem::path home = dir.Path() / "home";
    std::filesystem::create_directories(runtime / "pulse");
    std::filesystem::create_directories(home / ".config/pulse");
    std::filesystem::create_directories(dir.Path() / "etc/client.conf.d");
    std::filesystem::create_directories(dir.Path() / "system");
    std::filesystem::create_directories(dir.Path() / "bin");
    std::map<std::string, std::string> environment = {{"XDG_RUNTIME_DIR", runtime.string()},
                                                      {"HOME", home.string()}};
    bool published = false;
    SoundServerPlaces places;
    places.environment = [&environment](const char* name) -> const char* {
        auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    };
    places.systemConfigDir = dir.Path() / "etc";
    places.systemSocket = dir.Path() / "system/native";
    places.serverProgram = dir.Path() / "bin/pulseaudio";
    places.publishedOnDisplay = [&published] { return published; };

    // Commented settings and other keys name no server.
    test::WriteFile(home / ".config/pulse/client.conf",
                    "; default-server = a\n# auto-connect-localhost = yes\nautospawn = no\n");
    test::WriteFile(dir.Path() / "etc/client.conf", "default-sink = b\n");
    EXPECT_FALSE(SoundServerMayAnswer(places));

    const auto answersWith = [&](auto change, auto undo) {
        change();
        const bool answer = SoundServerMayAnswer(places);
        undo();
        return answer && !SoundServerMayAnswer(places);
    };
    const auto file = [](const std::filesystem::path& path, const std::string& text) {
        return [=] { test::WriteFile(path, text); };
    };
    const auto removed = [](const std::filesystem::path& path) {
        return [=] { std::filesystem::remove(path); };
    };
    const auto set = [&environment](const std::string& name, const std::string& value) {
        return [&environment, name, value] { environment[name] = value; };
    };
    const auto unset = [&environment](const std::string& name) {
        return [&environment, name] { environment.erase(name); };
    };
    EXPECT_TRUE(answersWith(file(runtime / "pulse/native", ""), removed(runtime / "pulse/native")));
    EXPECT_TRUE(answersWith(set("PULSE_SERVER", "tcp:host"), unset("PULSE_SERVER")));
    EXPECT_TRUE(answersWith(unset("XDG_RUNTIME_DIR"), set("XDG_RUNTIME_DIR", runtime.string())));
    EXPECT_TRUE(answersWith(file(places.systemSocket, ""), removed(places.systemSocket)));
    EXPECT_TRUE(answersWith(file(places.serverProgram, ""), removed(places.serverProgram)));
    EXPECT_TRUE(answersWith([&] { published = true; }, [&] { published = false; }));
    const auto conf = dir.Path() / "etc/client.conf.d/50-remote.conf";
    EXPECT_TRUE(answersWith(file(conf, "  auto-connect-display=yes\n"), removed(conf)));
    const auto user = home / ".config/pulse/client.conf";
    EXPECT_TRUE(answersWith(file(user, "default-server = tcp:host\n"), file(user, "")));
}

TEST_F(SoundPlayerTest, WithoutTheModuleTheProgramIsSilent) {
    test::TempDir dir;
    test::WriteFile(dir.Path() / "tindle-sound.so", "not a library");
    for (const auto& module : {dir.Path() / "none.so", dir.Path() / "tindle-sound.so"}) {
        SoundPlayer player([this](std::string_view name) { return library.SoundUrl(name); },
                           module);
        player.Play("Splash", SoundMode::Async);
        player.Start();
        player.WaitUntilReady();
        EXPECT_FALSE(player.HasBackend());
        player.Play("New", SoundMode::Sync);
        player.Play("Shuffle", SoundMode::Loop);
        EXPECT_EQ(player.Current(), "");
        player.Stop();
    }
}

// The sound module reads the library's sounds itself: each is one it plays, whole.
TEST_F(SoundPlayerTest, EverySoundOfTheLibraryIsAWaveTheModulePlays) {
    for (const std::string_view name : kSounds) {
        SCOPED_TRACE(std::string(name));
        QFile file(QLatin1Char(':') + library.SoundUrl(name).path());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto wave = ParseWave(std::string_view(bytes.constData(), bytes.size()));
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->bitsPerSample, 16);
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->sampleRate, 22050u);
        EXPECT_EQ(wave->samples.size(), static_cast<size_t>(bytes.size()) - 44);
    }
}

TEST(WaveSound, ChunksAreWalkedAndDamagedFilesRefused) {
    auto u16 = [](int v) { return std::string{char(v & 255), char(v >> 8)}; };
    auto u32 = [&](uint32_t v) { return u16(int(v & 0xffff)) + u16(int(v >> 16)); };
    auto chunk = [&](std::string id, std::string body) { return id + u32(body.size()) + body; };
    auto format = [&](int tag, int channels, uint32_t rate, int bits) {
        return chunk("fmt ", u16(tag) + u16(channels) + u32(rate) +
                                 u32(rate * channels * bits / 8) + u16(channels * bits / 8) +
                                 u16(bits));
    };
    auto riff = [&](std::string chunks) {
        return "RIFF" + u32(chunks.size() + 4) + "WAVE" + chunks;
    };

    // An odd-sized chunk before the format is skipped with its pad byte; a data chunk that
    // claims more than the file holds keeps the whole frames there are.
    const std::string stereo = riff(chunk("LIST", "abc") + std::string(1, '\0') +
                                    format(1, 2, 44100, 16) + "data" + u32(1000) + "123456");
    const auto wave = ParseWave(stereo);
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->channels, 2);
    EXPECT_EQ(wave->sampleRate, 44100u);
    EXPECT_EQ(wave->samples, "1234");

    EXPECT_TRUE(ParseWave(riff(format(1, 1, 8000, 8) + chunk("data", "xyz"))).has_value());
    for (const std::string& damaged :
         {riff(format(3, 1, 22050, 32) + chunk("data", "abcd")),  // floating point
          riff(format(1, 6, 22050, 16) + chunk("data", "abcd")),  // six channels
          riff(chunk("data", "abcd") + format(1, 1, 22050, 16)),  // data before format
          riff(format(1, 1, 22050, 16)),                          // no data
          riff(format(1, 1, 22050, 16)).substr(0, 30),            // cut in the format
          std::string("RIFX") + riff(format(1, 1, 22050, 16)).substr(4), std::string()})
        EXPECT_FALSE(ParseWave(damaged).has_value());
}

}  // namespace
}  // namespace tindle
