#include "Output.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdio>

#include "table/RawPicture.h"
#include "table/ResourceNames.h"

namespace gen {

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

Output::Output(QString folder) : folder_(std::move(folder)) {
    QDir dir(folder_);
    for (const char* sub : {"bmp", "cur", "wav"})
        dir.mkpath(sub);
}

void Output::WriteFile(const QString& relative, const QByteArray& bytes) {
    QFile file(folder_ + "/" + relative);
    // Unchanged files are left alone, so that their times stay as they were.
    if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes) return;
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "resource generator: cannot write %s\n", qPrintable(file.fileName()));
        ok_ = false;
    }
}

void Output::AddBitmap(const std::string& name, const QImage& image) {
    AddBitmapFile(name, image, ".png", PngBytes(image));
}

void Output::AddUncompressedBitmap(const std::string& name, const QImage& image) {
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    AddBitmapFile(name, opaque, ".raw", tindle::RawPictureBytes(opaque));
}

void Output::AddUncompressedTranslucentBitmap(const std::string& name, const QImage& image) {
    const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    AddBitmapFile(name, premultiplied, ".raw", tindle::TranslucentRawPictureBytes(premultiplied));
}

void Output::AddBitmapFile(const std::string& name, const QImage& image, const char* suffix,
                           const QByteArray& bytes) {
    const std::string key = tindle::CanonicalResourceName(name);
    const QString alias = "bmp/" + QString::fromStdString(key);
    WriteFile(alias + suffix, bytes);
    // The finer pictures go to a library of their own, read only by tables drawn finer.
    auto& entries = tindle::FinerPictureScale(key) > 1 ? fineEntries_ : entries_;
    entries.emplace_back(alias, alias + suffix);
    bitmaps_[key] = image;
}

void Output::AddCursor(const std::string& name, const QImage& image, QPoint hotSpot) {
    const std::string key = tindle::CanonicalResourceName(name);
    QImage withHotSpot = image;
    withHotSpot.setText("HotSpotX", QString::number(hotSpot.x()));
    withHotSpot.setText("HotSpotY", QString::number(hotSpot.y()));
    const QString alias = "cur/" + QString::fromStdString(key);
    WriteFile(alias + ".png", PngBytes(withHotSpot));
    entries_.emplace_back(alias, alias + ".png");
    cursors_[key] = withHotSpot;
}

void Output::AddSound(const std::string& name, const QByteArray& wave) {
    const std::string key = tindle::CanonicalResourceName(name);
    const QString alias = "wav/" + QString::fromStdString(key);
    WriteFile(alias + ".wav", wave);
    entries_.emplace_back(alias, alias + ".wav");
    sounds_[key] = wave;
}

std::vector<std::string> Output::Problems() const {
    std::vector<std::string> problems;
    for (const tindle::RequiredResource& r : tindle::RequiredResources()) {
        const std::string key = tindle::CanonicalResourceName(r.name);
        const std::map<std::string, QImage>* pictures = nullptr;
        if (r.kind == tindle::ResourceKind::Bitmap) pictures = &bitmaps_;
        if (r.kind == tindle::ResourceKind::Cursor) pictures = &cursors_;
        if (pictures == nullptr) {
            if (!sounds_.count(key)) problems.push_back("nothing made for " + r.name);
            continue;
        }
        auto it = pictures->find(key);
        if (it == pictures->end()) {
            problems.push_back("nothing made for " + r.name);
        } else if (r.width > 0 &&
                   (it->second.width() != r.width || it->second.height() != r.height)) {
            problems.push_back(r.name + " is " + std::to_string(it->second.width()) + "x" +
                               std::to_string(it->second.height()) + ", expected " +
                               std::to_string(r.width) + "x" + std::to_string(r.height));
        }
    }
    return problems;
}

namespace {

QByteArray ResourceList(std::vector<std::pair<QString, QString>> entries) {
    std::sort(entries.begin(), entries.end());
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const auto& [alias, file] : entries)
        qrc += "  <file alias=\"" + alias.toUtf8() + "\">" + file.toUtf8() + "</file>\n";
    qrc += "</qresource>\n</RCC>\n";
    return qrc;
}

}  // namespace

bool Output::Finish() {
    WriteFile("zuv.qrc", ResourceList(entries_));
    if (!fineEntries_.empty()) WriteFile("zuv2x.qrc", ResourceList(fineEntries_));
    return ok_;
}

}  // namespace gen
