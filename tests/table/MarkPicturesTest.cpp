// The marks of empty piles as a table of any colour shows them, and the game previews that
// carry them into the open-a-game dialog.
#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>

#include "GamePreviews.h"
#include "LibraryFixture.h"
#include "table/ResourceNames.h"

namespace tindle::test {
namespace {

QImage Over(const QColor& ground, const QImage& picture) {
    QImage shown(picture.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(ground);
    QPainter p(&shown);
    p.drawImage(0, 0, picture);
    return shown;
}

// The spread between the darkest and the lightest pixel of an area.
int LightnessRange(const QImage& image, const QRect& area) {
    int lo = 255, hi = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int v = qGray(image.pixel(x, y));
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    return hi - lo;
}

// Marks whose only drawing is an outline along the edges.
bool OutlineOnly(char size, std::string_view code) {
    return code == "_TABLEAU" || code == "001" || (size == 'L' && code == "_WASTE");
}

using MarkPicturesTest = LibraryTest;

TEST_F(MarkPicturesTest, MarksLetTheTableThroughAndReadOnDarkAndLightTables) {
    const QColor grounds[] = {Qt::white,
                              Qt::black,
                              QColor(0, 96, 0),
                              QColor(0, 128, 0),
                              QColor(0, 0, 255),
                              QColor(150, 100, 60),
                              QColor(255, 255, 128)};
    for (const CardSizeSpec& size : kCardSizes) {
        for (std::string_view code : AllMarkCodes()) {
            const std::string name = MarkName(size.letter, code);
            SCOPED_TRACE(name);
            const QImage mark = library_.Bitmap(name);
            ASSERT_EQ(mark.size(), QSize(size.width, size.height));
            // The card's rounded shape: the very corner is the table's.
            EXPECT_EQ(qAlpha(mark.pixel(0, 0)), 0);
            const QPoint centre(size.width / 2, size.height / 2);
            EXPECT_NE(Over(Qt::white, mark).pixel(centre), Over(Qt::black, mark).pixel(centre))
                << "the table shows through the middle of the mark";
            const QRect whole = mark.rect();
            const QRect middle(size.width / 4, size.height / 4, size.width / 2, size.height / 2);
            for (const QColor& ground : grounds) {
                SCOPED_TRACE(ground.name().toStdString());
                const QImage shown = Over(ground, mark);
                EXPECT_GE(LightnessRange(shown, whole), 40) << "the place stands out";
                if (!OutlineOnly(size.letter, code)) {
                    EXPECT_GE(LightnessRange(shown, middle), 40) << "the symbol stands out";
                }
            }
        }
    }
}

TEST(GamePreviewPictures, KeepTheTranslucencyOfWhatLiesOnTheTable) {
    // Something on a table: an opaque card corner, a translucent mark, the bare table.
    QImage drawn(6, 1, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    drawn.setPixelColor(1, 0, QColor(200, 30, 40));
    drawn.setPixelColor(2, 0, QColor(255, 255, 255, 110));
    drawn.setPixelColor(3, 0, QColor(0, 0, 0, 60));
    drawn.setPixelColor(4, 0, QColor(225, 255, 150, 220));
    const QRgb key = qRgb(255, 0, 254);

    const QImage picture =
        previews::SeparateFromTable(Over(Qt::black, drawn), Over(Qt::white, drawn), key);
    ASSERT_EQ(picture.size(), drawn.size());
    EXPECT_EQ(picture.pixel(0, 0), key);
    EXPECT_EQ(picture.pixel(5, 0), key);
    EXPECT_EQ(picture.pixel(1, 0), qRgb(200, 30, 40));
    // Shown over any background, the translucent pixels look as on a table of that colour.
    for (const QColor& ground : {QColor(0, 128, 0), QColor(0, 30, 0), QColor(255, 255, 255)}) {
        QImage withoutKey = picture.convertToFormat(QImage::Format_ARGB32);
        for (int x = 0; x < withoutKey.width(); ++x)
            if (withoutKey.pixel(x, 0) == key) withoutKey.setPixel(x, 0, 0);
        EXPECT_TRUE(NearPixels(Over(ground, withoutKey), Over(ground, drawn), 2))
            << ground.name().toStdString();
    }
    EXPECT_EQ(previews::SeparateFromTable(QImage(4, 4, QImage::Format_RGB32),
                                          QImage(5, 4, QImage::Format_RGB32), key)
                  .pixel(0, 0),
              key);
}

}  // namespace
}  // namespace tindle::test
