#include <gtest/gtest.h>

#include <QFile>

#include <cmath>
#include <memory>
#include <set>

#include "LibraryFixture.h"
#include "Wave.h"
#include "support/ImageFormatPlugins.h"
#include "table/RawPicture.h"
#include "table/ResourceFileCheck.h"
#include "table/ResourceNames.h"

namespace tindle::test {
namespace {

using ResourceLibraryTest = LibraryTest;

TEST_F(ResourceLibraryTest, HoldsEveryNameTheProgramAsksForWithItsSize) {
    int checked = 0;
    for (const RequiredResource& r : RequiredResources()) {
        SCOPED_TRACE(r.name);
        switch (r.kind) {
            case ResourceKind::Bitmap: {
                const QImage image = library_.Bitmap(r.name);
                ASSERT_FALSE(image.isNull());
                if (r.width > 0) {
                    EXPECT_EQ(image.width(), r.width);
                    EXPECT_EQ(image.height(), r.height);
                }
                break;
            }
            case ResourceKind::Cursor: {
                const CursorPicture cursor = library_.Cursor(r.name);
                ASSERT_FALSE(cursor.IsNull());
                EXPECT_EQ(cursor.image.size(), QSize(kCursorSize, kCursorSize));
                // The hot spot is stored in the picture, not left to the default.
                EXPECT_FALSE(cursor.image.text("HotSpotX").isEmpty());
                EXPECT_FALSE(cursor.image.text("HotSpotY").isEmpty());
                EXPECT_TRUE(QRect(0, 0, kCursorSize, kCursorSize).contains(cursor.hotSpot));
                break;
            }
            case ResourceKind::Sound: {
                const ParsedWave wave = ParseWave(library_.Sound(r.name));
                ASSERT_TRUE(wave.ok);
                EXPECT_EQ(wave.channels, 1);
                EXPECT_EQ(wave.bitsPerSample, 16);
                EXPECT_TRUE(wave.sampleRate == 22050 || wave.sampleRate == 44100);
                EXPECT_GT(wave.samples.size(), static_cast<size_t>(wave.sampleRate / 50));
                EXPECT_FALSE(library_.SoundUrl(r.name).isEmpty());
                break;
            }
        }
        ++checked;
    }
    // Sheets, backs, marks and the rest: the list itself must not shrink unnoticed.
    EXPECT_GT(checked, 250);
}

// Reading the library's pictures needs no image-format plugin: none is loaded for them.
TEST_F(ResourceLibraryTest, PicturesAreReadWithoutLoadingImageFormatPlugins) {
    if (test::ImageFormatPluginsLoaded())
        GTEST_SKIP() << "image-format plugins were loaded before this test";
    EXPECT_FALSE(library_.Bitmap("DB011").isNull());
    const CursorPicture cursor = library_.Cursor("CUR_ARROW1A");
    EXPECT_FALSE(cursor.IsNull());
    EXPECT_FALSE(cursor.image.text("HotSpotX").isEmpty()) << "the PNG's text comes along";
    EXPECT_FALSE(test::ImageFormatPluginsLoaded());
}

TEST_F(ResourceLibraryTest, NamesAreFoundWithoutRegardToCase) {
    const QImage upper = library_.Bitmap("DB011");
    ASSERT_FALSE(upper.isNull());
    EXPECT_TRUE(SamePixels(upper, library_.Bitmap("db011")));
    EXPECT_TRUE(SamePixels(library_.Bitmap("Color"), library_.Bitmap("COLOR")));
    EXPECT_EQ(library_.Sound("card_up"), library_.Sound("CARD_UP"));
    EXPECT_EQ(library_.Cursor("cur_arrow1a").hotSpot, library_.Cursor("CUR_ARROW1A").hotSpot);
}

TEST_F(ResourceLibraryTest, ANameNotHeldGivesAnEmptyResult) {
    EXPECT_TRUE(library_.Bitmap("GAME9999").isNull());
    EXPECT_TRUE(library_.Bitmap("").isNull());
    EXPECT_TRUE(library_.Cursor("CUR_NONE").IsNull());
    EXPECT_TRUE(library_.Sound("_tmp_stop_").isEmpty());
    EXPECT_TRUE(library_.SoundUrl("_tmp_stop_").isEmpty());
    // Each kind is looked up apart, and a name cannot climb into another kind's folder.
    EXPECT_TRUE(library_.Bitmap("Won").isNull());
    EXPECT_TRUE(library_.Sound("DB011").isEmpty());
    EXPECT_TRUE(library_.Bitmap("../wav/SPLASH").isNull());
    EXPECT_TRUE(library_.Sound("..\\bmp\\DB011").isEmpty());
}

TEST(ResourceLibraryLoading, AMissingOrForeignFileIsReportedAndHoldsNothing) {
    TempDir dir;
    ResourceLibrary library;
    const QString missing = QString::fromStdString((dir.Path() / "ZUV.RGF").string());
    EXPECT_FALSE(library.Load(missing));
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_TRUE(library.Bitmap("DB011").isNull());

    WriteFile(dir.Path() / "ZUV.RGF", "MZ this is no resource library");
    EXPECT_FALSE(library.Load(missing));
    EXPECT_TRUE(library.Sound("Splash").isEmpty());

    EXPECT_EQ(ResourceLibrary::LoadFailureMessage("/Games/Tindle/ZUV.RGF").toStdString(),
              "Can't find/load /games/tindle/zuv.rgf");
}

TEST(ResourceLibraryLoading, LibrariesAreIndependentAndUnloadCleanly) {
    const QString path = QString::fromStdString((ProgramDir() / "ZUV.RGF").string());
    ResourceLibrary first, second;
    ASSERT_TRUE(first.Load(path));
    ASSERT_TRUE(second.Load(path));
    second.Unload();
    EXPECT_TRUE(second.Bitmap("DB011").isNull());
    EXPECT_FALSE(first.Bitmap("DB011").isNull());
    // Loading again after unloading works.
    ASSERT_TRUE(second.Load(path));
    EXPECT_FALSE(second.Bitmap("DB011").isNull());
    // Pages let go after reading are read again from the files, the finer ones' too.
    const QImage fine = second.Bitmap("DB011_2X");
    ASSERT_FALSE(fine.isNull());
    second.ReleaseReadPages();
    EXPECT_TRUE(SamePixels(second.Bitmap("DB011_2X"), fine));
    EXPECT_TRUE(SamePixels(second.Bitmap("DB011"), first.Bitmap("DB011")));
}

// The seal's CRC-32 is computed sixteen bytes at a time where the processor allows, eight at a
// time where not, and byte by byte at the end: every length and alignment gives the CRC of the
// plain bitwise definition.
TEST(ResourceLibraryLoading, TheSealsCrcIsTheStandardCrc32AtEveryLengthAndAlignment) {
    const auto bitwise = [](std::string_view bytes) {
        uint32_t crc = 0xFFFFFFFFu;
        for (const char c : bytes) {
            crc ^= static_cast<unsigned char>(c);
            for (int k = 0; k < 8; ++k)
                crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
        }
        return crc ^ 0xFFFFFFFFu;
    };
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    std::string data(70000, '\0');
    uint32_t seed = 12345;
    for (char& c : data) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 24);
    }
    const std::string_view all(data);
    for (std::size_t offset = 0; offset < 16; ++offset)
        for (std::size_t length = 0; length <= 200; ++length)
            ASSERT_EQ(Crc32(all.substr(offset, length)), bitwise(all.substr(offset, length)))
                << "offset " << offset << ", length " << length;
    EXPECT_EQ(Crc32(all.substr(3)), bitwise(all.substr(3)));
}

// Qt keeps reading a resource opened before its library went away; the bytes must stay.
TEST(ResourceLibraryLoading, AnOpenResourceOutlivesItsLibrary) {
    auto library = std::make_unique<ResourceLibrary>();
    ASSERT_TRUE(library->Load(QString::fromStdString((ProgramDir() / "ZUV.RGF").string())));
    const QByteArray expected = library->Sound("Splash");
    QFile sound(QStringLiteral(":") + library->SoundUrl("Splash").path());
    ASSERT_TRUE(sound.open(QIODevice::ReadOnly));
    library.reset();
    EXPECT_EQ(sound.readAll(), expected);
}

// --- What the pictures must look like where the drawing code depends on it ----------

// The splash is painted before anything else: stored uncompressed and opaque, it is read by a
// copy into the window's own pixel format and its paint is a plain copy rather than a blend.
// Its form keeps every pixel, and bytes that are not a whole picture give none.
TEST_F(ResourceLibraryTest, TheSplashPictureIsStoredUncompressedAndOpaque) {
    const QImage splash = library_.Bitmap(kSplashPicture);
    EXPECT_EQ(splash.format(), QImage::Format_RGB32);
    const QByteArray stored = RawPictureBytes(splash);
    EXPECT_TRUE(IsRawPicture(stored.toStdString()));
    EXPECT_TRUE(SamePixels(ReadRawPicture(stored.toStdString()), splash));

    QImage odd(3, 2, QImage::Format_ARGB32);
    odd.fill(qRgba(10, 20, 30, 40));
    odd.setPixel(2, 1, qRgb(200, 100, 50));
    const QImage read = ReadRawPicture(RawPictureBytes(odd).toStdString());
    EXPECT_EQ(read.format(), QImage::Format_RGB32);
    EXPECT_EQ(read.pixel(2, 1), qRgb(200, 100, 50));
    EXPECT_EQ(qAlpha(read.pixel(0, 0)), 255);

    const std::string whole = RawPictureBytes(odd).toStdString();
    std::string wide = whole;
    wide[8] = 5;  // the width no longer matches the pixels that follow
    std::string huge = whole;
    huge[11] = 1;  // a width of 16 million
    for (const std::string& damaged :
         {whole.substr(0, whole.size() - 1), whole + "x", whole.substr(0, 12), wide, huge})
        EXPECT_TRUE(ReadRawPicture(damaged).isNull());
}

// The toolbar's glyphs are read while the main window is made: stored uncompressed too, with
// their transparency.
TEST_F(ResourceLibraryTest, ToolbarGlyphsAreStoredUncompressedWithTheirTransparency) {
    for (const bool large : {false, true})
        for (const bool enabled : {false, true}) {
            const QImage glyph =
                library_.Bitmap(ToolbarGlyphName(kToolbarCommands[0], large, enabled));
            EXPECT_EQ(glyph.format(), QImage::Format_ARGB32_Premultiplied) << large << enabled;
            EXPECT_EQ(qAlpha(glyph.pixel(0, 0)), 0) << "a clear corner";
        }

    QImage odd(3, 2, QImage::Format_ARGB32);
    odd.fill(qRgba(10, 20, 30, 40));
    odd.setPixel(2, 1, qRgba(200, 100, 50, 0));
    const std::string stored = TranslucentRawPictureBytes(odd).toStdString();
    EXPECT_TRUE(IsRawPicture(stored));
    const QImage read = ReadRawPicture(stored);
    EXPECT_EQ(read, odd.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(qAlpha(read.pixel(0, 0)), 40);
    EXPECT_TRUE(ReadRawPicture(stored.substr(0, stored.size() - 1)).isNull());
}

TEST_F(ResourceLibraryTest, FaceSheetsHoldThirteenOpaqueCardsWithClearCorners) {
    for (const CardSizeSpec& size : kCardSizes) {
        const QImage sheet = library_.Bitmap(FaceSheetName(size.letter, 1, 'S'))
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(sheet.isNull());
        const int w = size.width, h = size.height;
        for (int cell = 0; cell < 24; ++cell) {
            const int column = cell % 6, row = cell / 6;
            const bool used = column < 5 && (row < 2 || (row == 2 && column < 3));
            const QPoint centre(column * w + w / 2, row * h + h / 2);
            const QPoint origin(column * w, row * h);
            SCOPED_TRACE(std::string(1, size.letter) + " cell " + std::to_string(cell));
            if (!used) {
                EXPECT_EQ(qAlpha(sheet.pixel(centre)), 0);
                continue;
            }
            EXPECT_EQ(qAlpha(sheet.pixel(centre)), 255);
            // The corner pixel is left to the table (the drawing code restores it), the
            // edge next to it is the card's outline.
            EXPECT_EQ(qAlpha(sheet.pixel(origin)), 0);
            EXPECT_EQ(qAlpha(sheet.pixel(origin + QPoint(w / 2, 0))), 255);
            EXPECT_LT(qGray(sheet.pixel(origin + QPoint(w / 2, 0))), 128);
        }
    }
}

// Counts strongly red and dark pixels of a card's corner index (the left 12 pixels of its
// upper third).
struct InkCount {
    int red = 0, dark = 0;
};

InkCount Ink(const QImage& sheet, int x, int y, int h) {
    InkCount ink;
    for (int j = y + 1; j < y + h / 3; ++j)
        for (int i = x + 1; i < x + 12; ++i) {
            const QRgb p = sheet.pixel(i, j);
            if (qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 100) ++ink.red;
            if (qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60) ++ink.dark;
        }
    return ink;
}

TEST_F(ResourceLibraryTest, RedSuitsAreRedAndBlackSuitsBlackInEverySizeAndSet) {
    for (const CardSizeSpec& size : kCardSizes)
        for (int cardSet : kCardSets)
            for (char suit : kSuitLetters) {
                const QImage sheet = library_.Bitmap(FaceSheetName(size.letter, cardSet, suit))
                                         .convertToFormat(QImage::Format_ARGB32);
                const bool red = suit == 'H' || suit == 'D';
                // Every rank's index must carry the suit's colour.
                for (int rank = 1; rank <= 13; ++rank) {
                    const int row = (rank - 1) / 5, column = (rank - 1) % 5;
                    const InkCount ink =
                        Ink(sheet, column * size.width, row * size.height, size.height);
                    SCOPED_TRACE(FaceSheetName(size.letter, cardSet, suit) + " rank " +
                                 std::to_string(rank));
                    if (red) {
                        EXPECT_GT(ink.red, 8);
                    } else {
                        EXPECT_GT(ink.dark, 8);
                        EXPECT_EQ(ink.red, 0);
                    }
                }
            }
}

TEST_F(ResourceLibraryTest, BackgroundTilesRepeatWithoutASeam) {
    // Mean brightness step between two columns (or rows) of a tile.
    auto columnStep = [](const QImage& t, int a, int b) {
        double sum = 0;
        for (int y = 0; y < t.height(); ++y)
            sum += std::abs(qGray(t.pixel(a, y)) - qGray(t.pixel(b, y)));
        return sum / t.height();
    };
    auto rowStep = [](const QImage& t, int a, int b) {
        double sum = 0;
        for (int x = 0; x < t.width(); ++x)
            sum += std::abs(qGray(t.pixel(x, a)) - qGray(t.pixel(x, b)));
        return sum / t.width();
    };
    for (const NamedCode& background : kBackgroundPictures) {
        SCOPED_TRACE(background.name);
        const QImage tile =
            library_.Bitmap(BackgroundName(background.code)).convertToFormat(QImage::Format_RGB32);
        ASSERT_GE(tile.width(), 32);
        ASSERT_GE(tile.height(), 32);
        const int w = tile.width(), h = tile.height();
        // Where the tile meets its copy, the step is no larger than the largest step inside
        // it (brick joints and plank edges are steps of the design, a seam would be more).
        double largestColumnStep = 0, largestRowStep = 0;
        for (int x = 0; x + 1 < w; ++x)
            largestColumnStep = std::max(largestColumnStep, columnStep(tile, x, x + 1));
        for (int y = 0; y + 1 < h; ++y)
            largestRowStep = std::max(largestRowStep, rowStep(tile, y, y + 1));
        EXPECT_LE(columnStep(tile, w - 1, 0), largestColumnStep + 0.5);
        EXPECT_LE(rowStep(tile, h - 1, 0), largestRowStep + 0.5);
    }
}

TEST_F(ResourceLibraryTest, ShadowAndStockStripsUseTheirKeyColours) {
    for (const CardSizeSpec& size : kCardSizes) {
        SCOPED_TRACE(std::string(1, size.letter));
        for (int form : {1, 2}) {
            const QImage shadow = library_.Bitmap(ShadowName(size.letter, form))
                                      .convertToFormat(QImage::Format_ARGB32);
            int key = 0, shade = 0;
            for (int y = 0; y < shadow.height(); ++y)
                for (int x = 0; x < shadow.width(); ++x) {
                    const QRgb p = shadow.pixel(x, y);
                    if ((p & 0xffffff) == 0xffffff && qAlpha(p) == 255)
                        ++key;
                    else if (qAlpha(p) > 0 && qAlpha(p) < 255 && qGray(p) < 40)
                        ++shade;
                }
            EXPECT_GT(key, 0);
            EXPECT_GT(shade, shadow.width() * shadow.height() / 4);
        }
        // The horizontal edge strip: row r holds a card edge from column r - 4.
        const QImage edges = library_.Bitmap(BorderName(size.letter, 1));
        for (int r = 5; r < kBorderDepth; ++r) {
            EXPECT_EQ(edges.pixel(r - 5, r) & 0xffffff, 0x0000ffu) << "row " << r;
            EXPECT_NE(edges.pixel(r - 4, r) & 0xffffff, 0x0000ffu) << "row " << r;
            EXPECT_NE(edges.pixel(r - 4 + size.width - 1, r) & 0xffffff, 0x0000ffu) << "row " << r;
        }
        const QImage vertical = library_.Bitmap(BorderName(size.letter, 2));
        for (int c = 3; c < kBorderDepth; ++c) {
            EXPECT_EQ(vertical.pixel(c, c - 3) & 0xffffff, 0x0000ffu) << "column " << c;
            EXPECT_NE(vertical.pixel(c, c - 2) & 0xffffff, 0x0000ffu) << "column " << c;
        }
    }
}

// --- Sounds -----------------------------------------------------------------------

double LoudestWindowRms(const std::vector<int16_t>& s, int window) {
    double best = 0, sum = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        sum += double(s[i]) * s[i];
        if (i >= size_t(window)) sum -= double(s[i - window]) * s[i - window];
        best = std::max(best, sum);
    }
    return std::sqrt(best / window);
}

TEST_F(ResourceLibraryTest, SoundsShareOneLoudnessAndNeverClickAtTheirEnds) {
    std::set<std::string> looped(kLoopedSounds.begin(), kLoopedSounds.end());
    double quietest = 1e9, loudest = 0;
    for (auto name : kSounds) {
        SCOPED_TRACE(std::string(name));
        const ParsedWave wave = ParseWave(library_.Sound(name));
        ASSERT_TRUE(wave.ok);
        const auto& s = wave.samples;
        const double rms = LoudestWindowRms(s, wave.sampleRate / 20);
        quietest = std::min(quietest, rms);
        loudest = std::max(loudest, rms);
        int peak = 0;
        for (int16_t v : s)
            peak = std::max(peak, std::abs(int(v)));
        EXPECT_LT(peak, 32767);  // no clipping
        if (looped.count(std::string(name))) {
            // The end runs into the start: no step larger than the sound's own steps.
            int largestStep = 0;
            for (size_t i = 1; i < s.size(); ++i)
                largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
            EXPECT_LE(std::abs(s.front() - s.back()), largestStep);
            EXPECT_LT(std::abs(int(s.front())), peak / 4);
        } else {
            EXPECT_LT(std::abs(int(s.front())), 200);
            EXPECT_LT(std::abs(int(s.back())), 200);
        }
    }
    // Within 3 dB of each other.
    EXPECT_LT(20 * std::log10(loudest / quietest), 3.0);
}

}  // namespace
}  // namespace tindle::test
