#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <filesystem>
#include <memory>
#include <string>

#include "shell/MainWindow.h"
#include "shell/TindleApp.h"
#include "shell/settings/PreferencesFile.h"
#include "support/QtTestApp.h"
#include "support/RecordingPorts.h"
#include "support/TestPaths.h"

// The main window made in this process with a program directory of its own: the built
// GAMES.DAT, both resource libraries and the help file linked into a temporary folder,
// messages and sounds recorded instead of shown and played.

namespace tindle::test {

class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        QtTestApp();
        for (const char* name : {"GAMES.DAT", "ZUV.RGF", "ZUV2X.RGF", "bravell.hlp"}) {
            if (!withFile(name)) continue;
            std::filesystem::create_symlink(ProgramDir() / name, dir.Path() / name);
        }
    }
    // Files of the program directory a test leaves out.
    virtual bool withFile(const std::string&) const { return true; }

    std::filesystem::path Data(const std::string& name = "") const {
        return name.empty() ? dir.Path() / "DATA" : dir.Path() / "DATA" / name;
    }
    std::filesystem::path Prefs() const { return Data("CFG.DAT"); }
    void WritePrefs(const std::string& text) {
        std::filesystem::create_directories(Data());
        WriteFile(Prefs(), text);
    }
    std::string Pref(const std::string& key, const std::string& section = "Preference") const {
        return PreferencesFile(Prefs()).ReadString(section, key, "<none>");
    }

    TfrmMain& Create() {
        auto messagesPort = std::make_unique<RecordingMessages>();
        auto soundsPort = std::make_unique<RecordingSounds>();
        messages = messagesPort.get();
        sounds = soundsPort.get();
        app = std::make_unique<TindleApp>(ProgramPaths::InOneFolder(dir.Path()),
                                          std::move(messagesPort), std::move(soundsPort));
        window = std::make_unique<TfrmMain>(*app);
        // The window tests point at the table in table pixels: at zoom 100 they are the
        // widget's (the zoom's own mapping is tested with the layout and the drawing).
        app->settings.options.cardZoom = 100;
        window->onOpenGameAtStart = [this] { ++chooserOpened; };
        return *window;
    }
    // Placement, show and the first activation, as the program entry does them.
    TfrmMain& Start() {
        TfrmMain& w = Create();
        EXPECT_TRUE(w.Created());
        w.PlaceMainWindow();
        w.show();
        Settle();
        EXPECT_FALSE(app->game.flags.startupPending);
        return w;
    }
    // Lets the window's pending events run.
    void Settle() {
        QElapsedTimer clock;
        clock.start();
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        } while (app->game.flags.startupPending && clock.elapsed() < 2000);
        QCoreApplication::processEvents();
    }

    // A left click on a widget delivered the way the window system delivers it: a window that a
    // modal dialog blocks does not get it.
    static void ClickAsTheWindowSystem(QWidget* widget) {
        QWidget* top = widget->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          widget->mapTo(top, widget->rect().center()));
    }

    TempDir dir;
    std::unique_ptr<TindleApp> app;
    std::unique_ptr<TfrmMain> window;
    RecordingMessages* messages = nullptr;
    RecordingSounds* sounds = nullptr;
    int chooserOpened = 0;
};

}  // namespace tindle::test
