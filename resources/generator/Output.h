#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

#include <map>
#include <string>
#include <vector>

// Collects everything the generator makes, writes each item as a file under the output
// folder and the resource lists that rcc packs: zuv.qrc into ZUV.RGF, zuv2x.qrc (the card
// pictures at two and three times their size) into ZUV2X.RGF.
//
// Layout inside the library: "bmp/NAME" (PNG, or uncompressed: RawPicture.h), "cur/NAME"
// (PNG whose text keys "HotSpotX" and "HotSpotY" hold the hot spot), "wav/NAME" (WAVE). NAME
// is upper case.

namespace gen {

class Output {
  public:
    explicit Output(QString folder);

    void AddBitmap(const std::string& name, const QImage& image);
    // A picture stored uncompressed, for one read before anything else is shown: a copy instead
    // of a PNG's decoding, for several times its PNG's bytes. Made opaque, or its transparency
    // kept.
    void AddUncompressedBitmap(const std::string& name, const QImage& image);
    void AddUncompressedTranslucentBitmap(const std::string& name, const QImage& image);
    void AddCursor(const std::string& name, const QImage& image, QPoint hotSpot);
    void AddSound(const std::string& name, const QByteArray& wave);

    // What is missing or has the wrong size against the names the program asks for, one
    // line each; empty when everything is there.
    std::vector<std::string> Problems() const;

    // Writes zuv.qrc, and zuv2x.qrc when finer pictures were made; false (with a message on
    // stderr) when a file could not be written.
    bool Finish();
    bool Ok() const { return ok_; }

    // What was made, by canonical name, for the completeness check and the preview.
    const std::map<std::string, QImage>& Bitmaps() const { return bitmaps_; }
    const std::map<std::string, QImage>& Cursors() const { return cursors_; }
    const std::map<std::string, QByteArray>& Sounds() const { return sounds_; }

  private:
    void WriteFile(const QString& relative, const QByteArray& bytes);
    void AddBitmapFile(const std::string& name, const QImage& image, const char* suffix,
                       const QByteArray& bytes);

    QString folder_;
    bool ok_ = true;
    std::vector<std::pair<QString, QString>> entries_;      // alias, file
    std::vector<std::pair<QString, QString>> fineEntries_;  // the finer pictures
    std::map<std::string, QImage> bitmaps_;
    std::map<std::string, QImage> cursors_;
    std::map<std::string, QByteArray> sounds_;
};

QByteArray PngBytes(const QImage& image);

}  // namespace gen
