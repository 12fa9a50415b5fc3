// Pieces of the resource generator whose faults would not show as a missing name: noise
// that does not wrap, an outline that eats the card, a sheet written under the wrong name.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

#include "Cards.h"
#include "Icons.h"
#include "Output.h"
#include "Paint.h"
#include "Random.h"
#include "Shapes.h"
#include "model/GameDef.h"
#include "support/TestPaths.h"
#include "table/ResourceNames.h"
#include "table/layout/TMainGame.h"

namespace tindle::test {
namespace {

TEST(GeneratorNoise, LatticesWrapAtTheirPeriodSoTilesHaveNoSeam) {
    gen::PeriodicNoise square(8, 5);
    gen::PeriodicNoise stretched(2, 32, 6);
    gen::TileNoise tile(256, 4, 4, 7);
    gen::Rng rng(11);
    for (int i = 0; i < 200; ++i) {
        const double x = rng.Range(0, 8), y = rng.Range(0, 8);
        EXPECT_NEAR(square.Sample(x, y), square.Sample(x + 8, y), 1e-12);
        EXPECT_NEAR(square.Sample(x, y), square.Sample(x, y - 8), 1e-12);
        EXPECT_NEAR(stretched.Sample(x / 4, y * 4), stretched.Sample(x / 4 + 2, y * 4 + 32), 1e-12);
        const double u = rng.Range(0, 256), v = rng.Range(0, 256);
        EXPECT_NEAR(tile.Sample(u, v), tile.Sample(u + 256, v), 1e-9);
        EXPECT_NEAR(tile.Sample(u, v), tile.Sample(u, v + 256), 1e-9);
        EXPECT_GE(tile.Sample(u, v), 0.0);
        EXPECT_LE(tile.Sample(u, v), 1.0);
    }
    // Not constant: the noise has something to show.
    EXPECT_NE(square.Sample(0.5, 0.5), square.Sample(3.5, 2.5));
}

TEST(GeneratorNoise, TheSameSeedGivesTheSameNumbers) {
    gen::Rng a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 50; ++i) {
        const double x = a.Uniform();
        EXPECT_EQ(x, b.Uniform());
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
        differs = differs || x != c.Uniform();
    }
    EXPECT_TRUE(differs);
}

TEST(GeneratorShapes, SuitsFillTheirBoxAndGlyphsTheirWidth) {
    for (int suit = 0; suit < 4; ++suit) {
        const QRectF box = gen::SuitShape(suit).boundingRect();
        EXPECT_GE(box.left(), 0);
        EXPECT_LE(box.right(), 100);
        EXPECT_GT(box.width(), 70);
        EXPECT_GT(box.height(), 90);
    }
    for (int rank = 1; rank <= 13; ++rank) {
        const char glyph = gen::RankGlyph(rank);
        SCOPED_TRACE(std::string(1, glyph));
        const QRectF outline = gen::IndexGlyph(glyph, QPointF(10, 20), 11, 1.9).boundingRect();
        // The glyph lies where it was asked to, as wide as IndexGlyphWidth says.
        EXPECT_NEAR(outline.top(), 20, 0.6);
        EXPECT_NEAR(outline.bottom(), 31, 0.6);
        EXPECT_GE(outline.left(), 9.4);
        EXPECT_NEAR(outline.right() - 10, gen::IndexGlyphWidth(glyph, 11, 1.9), 0.6);
    }
    for (char c : std::string("JOKER"))
        EXPECT_FALSE(gen::GlyphLine(c).isEmpty()) << c;
    EXPECT_EQ(gen::RankGlyph(10), 'T');
    EXPECT_EQ(gen::RankGlyph(0), '?');
}

TEST(GeneratorPaint, TheCardOutlineLeavesOnlyTheCornersToTheTable) {
    for (const CardSizeSpec& size : kCardSizes) {
        SCOPED_TRACE(std::string(1, size.letter));
        QImage card = gen::NewImage(size.width, size.height, Qt::white);
        gen::CardOutline(card, QColor(10, 20, 30));
        const int w = size.width, h = size.height;
        const bool little = w == 25;
        for (QPoint corner :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            const int dx = corner.x() == 0 ? 1 : -1, dy = corner.y() == 0 ? 1 : -1;
            EXPECT_EQ(qAlpha(card.pixel(corner)), 0);
            EXPECT_EQ(qAlpha(card.pixel(corner + QPoint(dx, 0))), little ? 255 : 0);
            EXPECT_EQ(qAlpha(card.pixel(corner + QPoint(0, dy))), little ? 255 : 0);
            if (!little) {
                EXPECT_EQ(card.pixel(corner + QPoint(dx, dy)), qRgb(10, 20, 30));
            }
        }
        EXPECT_EQ(card.pixel(w / 2, 0), qRgb(10, 20, 30));
        EXPECT_EQ(card.pixel(0, h / 2), qRgb(10, 20, 30));
        EXPECT_EQ(card.pixel(w / 2, h / 2), qRgb(255, 255, 255));
    }
}

TEST(GeneratorCards, BacksHaveALightBorderLikePrintedCards) {
    for (const CardSizeSpec& size : kCardSizes)
        for (const NamedCode& back : kCardBacks) {
            SCOPED_TRACE(std::string(1, size.letter) + " " + std::string(back.name));
            const QImage image = gen::DrawBack(size, back.code);
            ASSERT_EQ(image.size(), QSize(size.width, size.height));
            // One pixel inside the outline, on every side, the border is near white.
            for (QPoint p :
                 {QPoint(size.width / 2, 1), QPoint(1, size.height / 2),
                  QPoint(size.width - 2, size.height / 2), QPoint(size.width / 2, size.height - 2)})
                EXPECT_GT(qGray(image.pixel(p)), 235);
            // The design itself is not blank.
            EXPECT_LT(qGray(image.pixel(size.width / 2, size.height / 2)), 235);
        }
}

TEST(GeneratorCards, ACardCoveredInAFannedColumnStillShowsItsSuit) {
    // A downward fan shows a covered face-up card down to the next card's top edge: that
    // strip must tell hearts from diamonds and clubs from spades, whatever the rank.
    GameDef def;
    def[gd::TableauFanStyle] = 1;
    for (const CardSizeSpec& size : {kCardSizes[0], kCardSizes[1]}) {
        TMainGame layout;
        layout.SetFanSteps(size.letter, def);
        const QRect strip(0, 0, size.width, layout.faceUpStepY);
        for (int cardSet : kCardSets)
            for (int rank = 1; rank <= 13; ++rank) {
                SCOPED_TRACE(std::string(1, size.letter) + " set " + std::to_string(cardSet) +
                             " rank " + std::to_string(rank));
                for (auto [a, b] :
                     {std::pair{gen::kHeart, gen::kDiamond}, std::pair{gen::kClub, gen::kSpade}})
                    EXPECT_NE(gen::DrawFace(size, cardSet, a, rank).copy(strip),
                              gen::DrawFace(size, cardSet, b, rank).copy(strip));
            }
    }
}

TEST(GeneratorCards, TheIndicesOfClubsAndSpadesDifferByMoreThanABlur) {
    // Drawn from their outlines, a club and a spade of index size blur into the same blot: the
    // index corner must show them clearly apart (pixels light on one, dark on the other).
    for (const CardSizeSpec& size : kCardSizes) {
        const QRect corner(0, 0, size.width, size.height * 36 / 100);
        for (int cardSet : kCardSets)
            for (int rank = 1; rank <= 13; ++rank) {
                SCOPED_TRACE(std::string(1, size.letter) + " set " + std::to_string(cardSet) +
                             " rank " + std::to_string(rank));
                const QImage club = gen::DrawFace(size, cardSet, gen::kClub, rank);
                const QImage spade = gen::DrawFace(size, cardSet, gen::kSpade, rank);
                int apart = 0;
                for (int y = corner.top(); y <= corner.bottom(); ++y)
                    for (int x = corner.left(); x <= corner.right(); ++x)
                        apart += std::abs(qGray(club.pixel(x, y)) - qGray(spade.pixel(x, y))) > 128;
                EXPECT_GE(apart, 8);
            }
    }
}

TEST(GeneratorCards, DisabledGlyphsAreGreyAndFaint) {
    QImage glyph = gen::NewImage(4, 4);
    glyph.setPixelColor(1, 1, QColor(220, 30, 30));
    const QImage disabled = gen::Disabled(glyph).convertToFormat(QImage::Format_ARGB32);
    const QRgb p = disabled.pixel(1, 1);
    EXPECT_EQ(qRed(p), qGreen(p));
    EXPECT_EQ(qGreen(p), qBlue(p));
    EXPECT_LT(qAlpha(p), 128);
    EXPECT_GT(qAlpha(p), 60);
    EXPECT_EQ(qAlpha(disabled.pixel(0, 0)), 0);
}

TEST(GeneratorOutput, WritesUpperCaseNamesAndASortedResourceList) {
    TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    gen::Output out(folder);
    out.AddSound("card_up", QByteArray("RIFF"));
    out.AddBitmap("db011", gen::NewImage(3, 2, Qt::red));
    QImage cursor = gen::NewImage(32, 32, Qt::blue);
    out.AddCursor("CUR_Arrow1A", cursor, QPoint(4, 5));
    ASSERT_TRUE(out.Finish());
    EXPECT_TRUE(QFileInfo::exists(folder + "/bmp/DB011.png"));
    EXPECT_TRUE(QFileInfo::exists(folder + "/wav/CARD_UP.wav"));
    const QImage written(folder + "/cur/CUR_ARROW1A.png");
    EXPECT_EQ(written.text("HotSpotX"), "4");
    EXPECT_EQ(written.text("HotSpotY"), "5");
    QFile qrc(folder + "/zuv.qrc");
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QByteArray list = qrc.readAll();
    const int bmp = list.indexOf("alias=\"bmp/DB011\""),
              cur = list.indexOf("alias=\"cur/CUR_ARROW1A\""),
              wav = list.indexOf("alias=\"wav/CARD_UP\"");
    ASSERT_GE(bmp, 0);
    EXPECT_LT(bmp, cur);
    EXPECT_LT(cur, wav);
}

TEST(GeneratorOutput, ReportsEveryMissingNameAndEveryWrongSize) {
    TempDir dir;
    gen::Output out(QString::fromStdString(dir.Path().string()));
    out.AddBitmap("DB011", gen::NewImage(70, 96));  // one pixel too narrow
    out.AddBitmap("SUIT_HEARTS", gen::NewImage(9, 9));
    const std::vector<std::string> problems = out.Problems();
    const size_t required = RequiredResources().size();
    // Everything but the two is missing; one of the two is reported for its size.
    EXPECT_EQ(problems.size(), required - 1);
    bool sizeReported = false;
    for (const std::string& problem : problems) {
        EXPECT_EQ(problem.find("SUIT_HEARTS"), std::string::npos);
        if (problem == "DB011 is 70x96, expected 71x96") sizeReported = true;
    }
    EXPECT_TRUE(sizeReported);
}

}  // namespace
}  // namespace tindle::test
