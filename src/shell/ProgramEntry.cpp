#include "shell/ProgramEntry.h"

#include <QAccessible>
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>

#include <csignal>
#include <memory>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "play/Sounds.h"
#include "shell/AdvancedForm.h"
#include "shell/Hourglass.h"
#include "shell/MainWindow.h"
#include "shell/MapExposeFilter.h"
#include "shell/MessageBoxes.h"
#include "shell/OpenGameChooser.h"
#include "shell/PicturePreload.h"
#include "shell/ProgramIcon.h"
#include "shell/ProgramStyle.h"
#include "shell/RunningCopy.h"
#include "shell/TableArea.h"
#include "shell/TerminationSignal.h"
#include "shell/TfrmCustomize_Freeware.h"
#include "shell/TfrmSplash.h"
#include "shell/TindleApp.h"
#include "shell/settings/PreferencesFile.h"
#include "shell/settings/ProgramPaths.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SplashSound.h"
#include "table/ResourceNames.h"

namespace tindle {

namespace {

constexpr int kExitCode = 0;
// The splash goes with the main window's first picture, or after this if none comes.
constexpr int kSplashLimitMs = 1000;
// The hidden splash is destroyed this long after: past the first activation's pictures.
constexpr int kSplashDisposeDelayMs = 400;

// The splash sound: the master switch goes into the record, and "Splash" plays (once sounds
// may start) when its switch is on.
void PlaySplashSound(TindleApp& app) {
    const PreferencesFile prefs(PreferencesPath(app.settings));
    app.settings.Put(field::SoundsSplash, ReadSplashSound(app.settings, prefs) ? "Y" : "N");
    PlayGatedSound(app.settings, app.Sounds(), "Splash", field::SoundsSplash);
}

// The program icon of every window (ProgramIcon.h).
void SetProgramIcon(const ResourceLibrary& library) {
    QApplication::setWindowIcon(ProgramIcon(library));
}

// The windows' icon reads the resource library whenever a picture of it is asked for: it goes
// before the library does, so that nothing made later can reach a library that is gone.
class ProgramIconReset {
  public:
    ProgramIconReset() = default;
    ~ProgramIconReset() { QApplication::setWindowIcon(QIcon()); }
    ProgramIconReset(const ProgramIconReset&) = delete;
    ProgramIconReset& operator=(const ProgramIconReset&) = delete;
};

// A later start of the program asked for the window (RunningCopy.h): it comes to the front as
// it is, a minimised one restored, or the dialog that is open over it.
void BringToFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    QWidget* front = QApplication::activeModalWidget();
    if (!front) front = &window;
    front->raise();
    front->activateWindow();
}

// The start frees much of what it allocated (the splash picture, the decoding's buffers, the
// worker's): the allocator keeps such memory for later use unless asked to give it back.
void ReturnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace

int RunProgram(QApplication& application) {
    return RunProgram(application, nullptr);
}

int RunProgram(QApplication& application, std::unique_ptr<ShellMessagePort> messages,
               std::function<void()> firstPainted) {
    // The widgets' style, before any window is made (ProgramStyle.h).
    application.setStyle(new ProgramStyle);
    // Each window's first picture is sent once, not again for the expose reports of its map.
    MapExposeFilter exposeFilter;
    application.installNativeEventFilter(&exposeFilter);
    // 1. The hourglass, from the start until the message loop runs (or the start ends early).
    Hourglass pointer;

    // 2. The process-wide objects and the settings record. The message port shows message
    // boxes unless one was given.
    MessageBoxes* boxes = nullptr;
    if (!messages) {
        auto shown = std::make_unique<MessageBoxes>();
        boxes = shown.get();
        messages = std::move(shown);
    }
    // One copy of the program per data folder: a second start shows the running one's window
    // and ends (and says so where that copy cannot be asked, as one of another account).
    // Until this copy can answer that request, the request is ignored (by default it would end
    // the program).
    ::signal(kShowWindowSignal, SIG_IGN);
    const ProgramPaths paths = ThisProgramPaths();
    const RunningCopyLock runningCopy(paths.dataFolder);
    if (runningCopy.OtherCopyRuns()) {
        if (!runningCopy.OtherCopyAsked()) {
            pointer.Restore();
            messages->Information(RunningCopyText(paths.dataFolder));
        }
        return kExitCode;
    }
    TindleApp app(paths, std::move(messages));
    const ProgramIconReset iconReset;
    if (boxes) boxes->SetLibrary(&app.library);

    // The splash needs the resource library: it is loaded here, before anything is shown.
    if (!app.LoadResourceLibrary()) return kExitCode;

    // 4. The splash. Its window is made, and the accessibility bridge that a first showing
    // starts is started, before the worker below begins: each of their requests waits for an
    // answer of the window system or the session bus, and with the worker keeping a processor
    // busy that answer waits for a processor too (a few ms each).
    auto splash = std::make_unique<TfrmSplash>(app.library.Bitmap(kSplashPicture));
    splash->winId();
    (void)QAccessible::isActive();

    // Meanwhile a worker reads the font database, finds the form font's stand-ins and decodes
    // the card pictures (at the last session's scale when it was drawn on a screen like the one
    // the window opens on).
    const QScreen* screen = QGuiApplication::primaryScreen();
    app.preload = std::make_unique<PicturePreload>(app.pictures, PreferencesPath(app.settings),
                                                   screen ? ScreenTag(*screen) : std::string(),
                                                   PrepareFormFont);

    // The splash sound, and the splash.
    PlaySplashSound(app);
    splash->show();
    splash->RepaintNow();

    // 5. The main window; its creation runs the settings initialisation.
    TfrmMain window(app);
    if (!window.Created()) return kExitCode;
    if (boxes) boxes->SetParent(&window);
    QObject::connect(&window, &TfrmMain::Closed, &application, &QCoreApplication::quit);
    // Ended by a signal (the desktop session ends without a session manager), the program
    // closes its window as at any close: the game in progress is held. Asked by a later
    // start, it shows its window.
    TerminationSignal termination([&window] { window.close(); }, nullptr,
                                  [&window] { BringToFront(window); });

    // 6. Placement.
    window.PlaceMainWindow();
    splash->RepaintNow();

    // 7. The game chooser, shown at the first activation and by the Open command; the
    // Customize command.
    OpenGameChooser chooser(app, window);
    OfferCustomizeCommand(app, window);
    splash->RepaintNow();

    // 8. The main window takes over from the splash, which goes from the screen as soon as the
    // window's first picture is there (the queued call runs once that paint has ended). Only
    // hiding it is at once: destroying the window costs a few ms of window-system work, and
    // the windows' icon (which nothing shows before) and the release of the libraries' pages
    // wait with it until the first activation (and a game chooser it opens) has been drawn.
    auto disposeSplash = [&splash, &app] {
        if (!splash) return;
        splash.reset();
        SetProgramIcon(app.library);
        // The start's pictures are decoded: what it read of the libraries, and what it freed of
        // the heap, may leave memory.
        app.library.ReleaseReadPages();
        ReturnFreedMemory();
    };
    auto endSplash = [&splash, &window, disposeSplash] {
        if (!splash || splash->isHidden()) return;
        splash->hide();
        QTimer::singleShot(kSplashDisposeDelayMs, &window, disposeSplash);
    };
    QObject::connect(
        window.imgSfondo, &TableArea::FirstPainted, &window,
        [endSplash, firstPainted = std::move(firstPainted)] {
            if (firstPainted) firstPainted();
            endSplash();
        },
        Qt::QueuedConnection);
    QTimer::singleShot(kSplashLimitMs, &window, endSplash);
    window.show();

    // 9. The default pointer, and the message loop until the main window closes.
    pointer.Restore();
    application.exec();
    return kExitCode;
}

}  // namespace tindle
