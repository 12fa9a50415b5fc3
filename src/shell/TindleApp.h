#pragma once

#include <QString>

#include <filesystem>
#include <memory>

#include "model/Catalogue.h"
#include "model/Game.h"
#include "model/Random.h"
#include "shell/CursorTable.h"
#include "shell/HelpSystem.h"
#include "shell/Messages.h"
#include "shell/QtTimePort.h"
#include "shell/settings/PreferencesLoader.h"
#include "shell/settings/ProgramPaths.h"
#include "shell/settings/SettingsRecord.h"
#include "table/CardPictures.h"
#include "table/ResourceLibrary.h"
#include "table/TableRenderer.h"
#include "table/layout/TMainGame.h"

// The program's process-wide objects, created once before the main window and released after
// it: the resource library, the card pictures, the settings record, the game in play, the
// layout object, the game catalogue, the random generator, the cursors, help, and the message
// and sound ports. The program entry makes one with the places of ThisProgramPaths(); a
// whole-program test makes its own with a program directory of its choice and recording
// ports. Nothing of it lives in globals.

namespace tindle {

class PicturePreload;
class SoundPlayer;
class SoundPort;

class TindleApp {
  public:
    // The message port is the program's (MessageBoxes) or a test's; without a sound port the
    // program's SoundPlayer is made, playing from the resource library.
    TindleApp(const ProgramPaths& paths, std::unique_ptr<ShellMessagePort> messages,
              std::unique_ptr<SoundPort> sounds = nullptr);
    ~TindleApp();
    TindleApp(const TindleApp&) = delete;
    TindleApp& operator=(const TindleApp&) = delete;

    // The program directory with its trailing separator, as the settings record holds it.
    std::filesystem::path ProgramDir() const { return settings.ProgramDir(); }
    QString ProgramDirText() const { return QString::fromStdString(settings.ProgramDir()); }
    // The folder of DATA and the version stamp: the program directory or the data home.
    std::filesystem::path DataFolder() const { return settings.DataFolder(); }
    std::filesystem::path ResourceLibraryPath() const;
    std::filesystem::path GamesDatPath() const;

    // Loads ZUV.RGF once; when it cannot be loaded, shows "Can't find/load " + the path in
    // lower case and gives false (the program then ends).
    bool LoadResourceLibrary();

    ShellMessagePort& Messages() { return *messages_; }
    SoundPort& Sounds() { return *sounds_; }
    // The program's sound player, when it is the sound port (nothing for a test's port).
    SoundPlayer* Player() { return player_; }
    // Lets sounds be made: called once the main window is on the screen.
    void StartSounds();

    // Declared first: released last, after everything that holds its pictures.
    ResourceLibrary library;
    CardPictures pictures{library};
    SettingsRecord settings;
    Game game;
    TMainGame mainGame;
    Catalogue catalogue;
    Random random;
    LoadedPreferences loaded;  // the start-up values that are not record fields
    CursorTable cursors;
    // The start's work done on a worker (the program entry's; none in tests that make the
    // window themselves): it is waited for before anything it touches goes.
    std::unique_ptr<PicturePreload> preload;

  private:
    std::unique_ptr<ShellMessagePort> messages_;
    std::unique_ptr<SoundPort> sounds_;
    SoundPlayer* player_ = nullptr;

  public:
    HelpSystem help{*messages_};
    QtTimePort time;
    // The table on screen: TableImage, BackgroundImage, DragImage and the window's surface.
    TableRenderer renderer{game, mainGame, settings, pictures, time, *sounds_, *messages_};
};

}  // namespace tindle
