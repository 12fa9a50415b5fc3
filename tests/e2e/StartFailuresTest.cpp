#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include "e2e/MainWindowFixture.h"
#include "support/DamagedResourceFiles.h"

namespace tindle::test {
namespace {

class WithoutResourceLibrary : public MainWindowFixture {
    bool withFile(const std::string& name) const override { return name != "ZUV.RGF"; }
};

TEST_F(WithoutResourceLibrary, TheWindowIsNotMade) {
    TfrmMain& w = Create();
    EXPECT_FALSE(w.Created());
    ASSERT_EQ(messages->messages.size(), 1u);
    EXPECT_EQ(messages->messages[0].kind, "FatalError");
    EXPECT_EQ(messages->messages[0].text,
              "Can't find/load " + QDir::toNativeSeparators(
                                       QString::fromStdString((dir.Path() / "ZUV.RGF").string()))
                                       .toLower()
                                       .toStdString());
}

class WithoutGamesDat : public MainWindowFixture {
    bool withFile(const std::string& name) const override { return name != "GAMES.DAT"; }
};

TEST_F(WithoutGamesDat, TheWindowIsNotMade) {
    TfrmMain& w = Create();
    EXPECT_FALSE(w.Created());
    ASSERT_EQ(messages->messages.size(), 1u);
    EXPECT_EQ(messages->messages[0].kind, "FatalError");
    EXPECT_EQ(messages->messages[0].text,
              "Cannot find file:\n" + (dir.Path() / "GAMES.DAT").string() +
                  "\nCopy the file into the directory that above is specified\nor reinstall "
                  "the program.");
}

TEST_F(WithoutGamesDat, ADamagedFileIsToldToo) {
    for (const char* text : {"no sections at all\n", "[Sect1]\nabc 001 0 Freecell\n",
                             "[Sect1]\nnot a catalogue line\n"}) {
        WriteFile(dir.Path() / "GAMES.DAT", text);
        TfrmMain& w = Create();
        EXPECT_FALSE(w.Created()) << text;
        ASSERT_EQ(messages->messages.size(), 1u);
        EXPECT_EQ(messages->messages[0].kind, "FatalError");
        EXPECT_TRUE(
            messages->messages[0].text.starts_with("The game definitions file cannot be read:\n"))
            << messages->messages[0].text;
        window.reset();
        app.reset();
    }
}

// The real program, run as its own process from a folder of its own, in its test build that
// writes its messages to a file instead of showing them (tests/tools/LoggedProgram.cpp).
class ProgramRun : public ::testing::Test {
  protected:
    void Provide(const char* name) {
        std::filesystem::copy_file(ProgramDir() / name, dir.Path() / name);
    }
    void Start(QProcess& program) {
        const std::filesystem::path executable = dir.Path() / "tindle";
        if (!std::filesystem::exists(executable))
            std::filesystem::copy_file(TINDLE_LOGGED_PROGRAM, executable);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(QString::fromStdString(dir.Path().string()));
        program.start(QString::fromStdString(executable.string()),
                      {QString::fromStdString(Log().string())});
    }
    int Run() {
        QProcess program;
        Start(program);
        EXPECT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        return program.exitCode();
    }
    std::filesystem::path Log() const { return dir.Path() / "messages.log"; }

    TempDir dir;
};

TEST_F(ProgramRun, AMissingResourceLibraryEndsTheProgramAfterItsMessage) {
    Provide("GAMES.DAT");
    EXPECT_EQ(Run(), 0);
    const std::string path = (dir.Path() / "zuv.rgf").string();
    EXPECT_EQ(ReadFile(Log()), "FatalError: Can't find/load " + path + "\n");
    // It ended before any file was written.
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "DATA"));
}

// A library cut short, with a flipped bit or with offsets and lengths that point outside it is
// refused before Qt reads it: the same message as a missing one, and the same end.
TEST_F(ProgramRun, ADamagedResourceLibraryEndsTheProgramAfterItsMessage) {
    Provide("GAMES.DAT");
    const std::string expected =
        "FatalError: Can't find/load " + (dir.Path() / "zuv.rgf").string() + "\n";
    for (const DamagedFile& damaged : DamagedResourceFiles(ReadFile(ProgramDir() / "ZUV.RGF"))) {
        SCOPED_TRACE(damaged.what);
        WriteFile(dir.Path() / "ZUV.RGF", damaged.bytes);
        std::filesystem::remove(Log());
        EXPECT_EQ(Run(), 0);
        EXPECT_EQ(ReadFile(Log()), expected);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "DATA"));
}

TEST_F(ProgramRun, AMissingGamesDatEndsTheProgramAfterItsMessage) {
    Provide("ZUV.RGF");
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(ReadFile(Log()),
              "FatalError: Cannot find file:\\n" + (dir.Path() / "GAMES.DAT").string() +
                  "\\nCopy the file into the directory that above is specified\\nor reinstall "
                  "the program.\n");
}

TEST_F(ProgramRun, AWholeStartShowsTheWindowAndWritesItsFiles) {
    for (const char* name : {"GAMES.DAT", "ZUV.RGF", "bravell.hlp", "tindle-sound.so"})
        Provide(name);
    QProcess program;
    Start(program);
    ASSERT_TRUE(program.waitForStarted(10000));
    // The players are written while the window is made, the version stamp after them.
    QElapsedTimer clock;
    clock.start();
    while (!std::filesystem::exists(dir.Path() / "SOLV0520.DAT") && clock.elapsed() < 20000)
        program.waitForFinished(50);
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "DATA" / "CFG.DAT"));
    EXPECT_EQ(ReadFile(dir.Path() / "SOLV0520.DAT"), "Bravell version: 05.20\n");
    program.waitForFinished(500);  // a moment for the first activation and the sounds
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished(10000);
    // Nothing was told to the player.
    EXPECT_FALSE(std::filesystem::exists(Log()));
}

}  // namespace
}  // namespace tindle::test
