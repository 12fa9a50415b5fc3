#include <gtest/gtest.h>

#include <QImage>

#include <string>
#include <vector>

#include "model/Ports.h"
#include "support/TestPaths.h"
#include "table/CardPictures.h"

namespace tindle::test {
namespace {

class RecordingMessages : public MessagePort {
  public:
    void Information(std::string_view text) override { information.emplace_back(text); }
    bool Confirm(std::string_view) override { return true; }
    void Beep() override {}
    void FatalError(std::string_view text) override { fatal.emplace_back(text); }
    std::vector<std::string> information, fatal;
};

TEST(LoadPictureFile, AMissingFileShowsTheImagesFileBoxAndReportsFailure) {
    TempDir dir;
    RecordingMessages messages;
    QImage bitmap(3, 4, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    const std::string folder = dir.Path().string() + "/";
    EXPECT_FALSE(LoadPictureFile(bitmap, "MyTable", folder, messages));
    ASSERT_EQ(messages.fatal.size(), 1u);
    EXPECT_EQ(messages.fatal[0], "Cannot find images file:\n" + folder +
                                     "MyTable.bmp\n"
                                     "Some program components cannot be shown correctly.\n"
                                     "Copy the file into the directory that above is specified\n"
                                     "or reinstall the program.");
    EXPECT_TRUE(messages.information.empty());
    // The bitmap is left as it was.
    EXPECT_EQ(bitmap.size(), QSize(3, 4));
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(LoadPictureFile, ANameWithoutFolderIsAProgramFolderBitmap) {
    TempDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(10, 120, 200));
    ASSERT_TRUE(picture.save(QString::fromStdString((dir.Path() / "Felt.bmp").string()), "BMP"));
    RecordingMessages messages;
    QImage bitmap;
    // The folder may come without its trailing separator.
    EXPECT_TRUE(LoadPictureFile(bitmap, "Felt", dir.Path().string(), messages));
    EXPECT_TRUE(messages.fatal.empty());
    EXPECT_EQ(bitmap.size(), QSize(40, 30));
    EXPECT_EQ(bitmap.pixel(5, 5), qRgb(10, 120, 200));
}

TEST(LoadPictureFile, ANameWithAFolderIsTakenAsItIs) {
    TempDir dir;
    QImage picture(8, 9, QImage::Format_RGB32);
    picture.fill(qRgb(1, 2, 3));
    const std::string file = (dir.Path() / "wood.png").string();
    ASSERT_TRUE(picture.save(QString::fromStdString(file), "PNG"));
    RecordingMessages messages;
    QImage bitmap;
    EXPECT_TRUE(LoadPictureFile(bitmap, file, "/elsewhere/", messages));
    EXPECT_EQ(bitmap.size(), QSize(8, 9));
    // Windows-style separators are read as folder separators.
    std::string windows = file;
    for (char& c : windows)
        if (c == '/') c = '\\';
    QImage again;
    EXPECT_TRUE(LoadPictureFile(again, windows, "/elsewhere/", messages));
    EXPECT_EQ(again.size(), QSize(8, 9));
    EXPECT_TRUE(messages.fatal.empty());
}

TEST(LoadPictureFile, AFileThatIsNoPictureIsReportedNotLoaded) {
    TempDir dir;
    WriteFile(dir.Path() / "Broken.bmp", "BM this is not a bitmap at all");
    RecordingMessages messages;
    QImage bitmap;
    EXPECT_FALSE(LoadPictureFile(bitmap, "Broken", dir.Path().string() + "/", messages));
    ASSERT_EQ(messages.fatal.size(), 1u);
    EXPECT_NE(messages.fatal[0].find("Broken.bmp"), std::string::npos);
    EXPECT_TRUE(bitmap.isNull());
}

}  // namespace
}  // namespace tindle::test
