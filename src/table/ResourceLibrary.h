#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QUrl>

#include <atomic>
#include <mutex>
#include <string_view>

#include "table/ResourceNames.h"
#include "table/SealedResourceFile.h"

// The resource library ZUV.RGF: a Qt binary resource file registered at start. It holds
// bitmaps ("bmp/NAME", PNG), cursors ("cur/NAME", PNG whose text keys "HotSpotX" and
// "HotSpotY" give the hot spot) and sounds ("wav/NAME", WAVE), NAME in upper case.
// Names are looked up without regard to case; a name the library does not hold gives an
// empty result, silently.
//
// The finer card pictures (NAME + "_2X", "_3X") lie in a second sealed file beside it,
// ZUV2X.RGF, opened when one of them is first asked for: a table drawn at its card pixels
// never reads it. When that file is missing or damaged the finer names give empty pictures
// (CardPictures then scales the ordinary ones) and one warning goes to the log.

namespace tindle {

struct CursorPicture {
    QImage image;
    QPoint hotSpot;
    bool IsNull() const { return image.isNull(); }
};

class ResourceLibrary {
  public:
    ResourceLibrary();
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;

    // Registers the library file (unloading one loaded before). False when the file is
    // missing, unreadable or damaged (SealedResourceFile.h); the library then holds nothing.
    // The finer pictures are looked for beside it, as kFinePicturesLibraryName.
    bool Load(const QString& file);
    void Unload();
    bool IsLoaded() const { return file_.IsLoaded(); }
    // Lets the pages of the files read so far leave memory: the start decodes its pictures
    // once, and what it read of the files would otherwise stay counted against the program.
    // From then on every picture read lets the pages go again once it is decoded (the dialogs
    // decode theirs after the start), until the next Load.
    void ReleaseReadPages() const;
    // Opens the file of finer pictures now rather than when one is first asked for, so that a
    // worker can spend the time its check takes (it reads the whole file) while the main
    // thread does other work.
    void OpenFinerPictures() const;

    // The message of start-up when the library cannot be loaded: "Can't find/load " and the
    // full path in lower case.
    static QString LoadFailureMessage(const QString& file);

    bool Contains(ResourceKind kind, std::string_view name) const;
    QImage Bitmap(std::string_view name) const;
    CursorPicture Cursor(std::string_view name) const;
    QByteArray Sound(std::string_view name) const;
    // The sound as a "qrc:" address for players that take a URL; empty when not held.
    QUrl SoundUrl(std::string_view name) const;

  private:
    // The file that holds a name (the fine one for finer pictures, opening it when first
    // needed); null when that file is not loaded.
    const SealedResourceFile* FileFor(ResourceKind kind, std::string_view name) const;
    // The file of finer pictures, opened at the first call; null when it cannot be.
    const SealedResourceFile* FinerFile() const;
    QString PathOf(ResourceKind kind, std::string_view name) const;
    // Decodes a held PNG picture; after ReleaseReadPages its pages are released again.
    QImage ReadPicture(ResourceKind kind, std::string_view name) const;

    SealedResourceFile file_;  // mapped under a root of this instance's own
    QString finePath_;
    // The finer pictures; opened at most once per Load (the card pictures may be loaded on a
    // worker thread while the main thread asks for others).
    mutable std::mutex fineGuard_;
    mutable bool fineTried_ = false;
    mutable SealedResourceFile fine_;
    mutable std::atomic<bool> releaseEachRead_{false};
};

}  // namespace tindle
