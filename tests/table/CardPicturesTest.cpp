#include <gtest/gtest.h>

#include "LibraryFixture.h"
#include "support/DamagedResourceFiles.h"
#include "table/CardPictures.h"

namespace tindle::test {
namespace {

class CardPicturesTest : public LibraryTest {
  protected:
    void SetUp() override {
        LibraryTest::SetUp();
        settings_.Put(field::CardSize, "B");
        settings_.Put(field::CardSet, "001");
        settings_.Put(field::BackCard, "011");
    }
    QImage SheetCell(char size, char suit, int rank, int w, int h) {
        const QImage sheet = library_.Bitmap(FaceSheetName(size, 1, suit));
        const int row = (rank - 1) / 5, column = (rank - 1) % 5;
        return sheet.copy(column * w, row * h, w, h);
    }
    SettingsRecord settings_;
};

TEST(CardPicturesSize, LettersSetTheDimensionsAndOtherTextKeepsThem) {
    ResourceLibrary none;
    CardPictures pictures(none);
    EXPECT_TRUE(pictures.SetCardSize("L"));
    EXPECT_EQ(pictures.CardRect(), QRect(0, 0, 25, 32));
    EXPECT_TRUE(pictures.SetCardSize("M"));
    EXPECT_EQ(pictures.CardWidth(), 59);
    EXPECT_EQ(pictures.CardHeight(), 80);
    EXPECT_FALSE(pictures.SetCardSize("X"));
    EXPECT_FALSE(pictures.SetCardSize(""));
    EXPECT_FALSE(pictures.SetCardSize("BB"));
    EXPECT_FALSE(pictures.SetCardSize("b"));
    EXPECT_EQ(pictures.CardWidth(), 59);
    EXPECT_EQ(pictures.SizeLetter(), 'M');
    EXPECT_TRUE(pictures.SetCardSize("B"));
    EXPECT_EQ(pictures.CardRect(), QRect(0, 0, 71, 96));
}

TEST(CardPicturesSize, ShadowMarginFollowsCardsShadowed) {
    ResourceLibrary none;
    CardPictures pictures(none);
    SettingsRecord settings;
    pictures.ApplyShadowSetting(settings);  // blank counts as on
    EXPECT_EQ(pictures.ShadowMargin(), 9);
    settings.Put(field::CardsShadowed, "N");
    pictures.ApplyShadowSetting(settings);
    EXPECT_EQ(pictures.ShadowMargin(), 0);
    settings.Put(field::CardsShadowed, "Y");
    pictures.ApplyShadowSetting(settings);
    EXPECT_EQ(pictures.ShadowMargin(), 9);
}

TEST_F(CardPicturesTest, FacesAreSlicedFromTheSuitSheetsByCardNumber) {
    for (const char* letter : {"B", "M", "L"}) {
        settings_.Put(field::CardSize, letter);
        CardPictures pictures(library_);
        pictures.ApplyCardSize(settings_);
        const int w = pictures.CardWidth(), h = pictures.CardHeight();
        const char s = letter[0];
        SCOPED_TRACE(letter);
        // Card n of the first deck is picture n - 1: suits H, D, C, S of 13 cards each.
        EXPECT_TRUE(SamePixels(pictures.FaceOfCard(1), SheetCell(s, 'H', 1, w, h)));
        EXPECT_TRUE(SamePixels(pictures.FaceOfCard(20), SheetCell(s, 'D', 7, w, h)));
        EXPECT_TRUE(SamePixels(pictures.Face(19), SheetCell(s, 'D', 7, w, h)));
        EXPECT_TRUE(SamePixels(pictures.FaceOfCard(36), SheetCell(s, 'C', 10, w, h)));
        EXPECT_TRUE(SamePixels(pictures.FaceOfCard(37), SheetCell(s, 'C', 11, w, h)));
        EXPECT_TRUE(SamePixels(pictures.FaceOfCard(52), SheetCell(s, 'S', 13, w, h)));
        EXPECT_TRUE(SamePixels(pictures.FaceOfCard(44), SheetCell(s, 'S', 5, w, h)));
        // The second deck shows the same faces; the jokers the joker picture.
        EXPECT_TRUE(SamePixels(pictures.FaceOfCard(53 + 19), pictures.FaceOfCard(20)));
        EXPECT_TRUE(SamePixels(pictures.FaceOfCard(107), library_.Bitmap(JokerName(s))));
        EXPECT_TRUE(
            SamePixels(pictures.Face(CardPictures::kJokerIndex), library_.Bitmap(JokerName(s))));
        EXPECT_TRUE(pictures.FaceOfCard(0).isNull());
        EXPECT_TRUE(pictures.FaceOfCard(109).isNull());
        EXPECT_TRUE(pictures.Face(53).isNull());
        // The spare card of the drawing code is a copy of picture 0.
        EXPECT_TRUE(SamePixels(pictures.SpareCard(), pictures.Face(0)));
        for (int i = 0; i < CardPictures::kFaceCount; ++i)
            EXPECT_EQ(pictures.Face(i).size(), QSize(w, h));
    }
}

TEST_F(CardPicturesTest, AtAScaleEveryPictureComesFromAFinerOneAndIsNeverScaledUp) {
    // The smallest library scale at least as fine as zoom x device pixel ratio.
    const std::pair<qreal, int> choices[] = {{1.0, 1}, {1.25, 2}, {1.5, 2}, {2.0, 2},
                                             {2.5, 3}, {3.0, 3},  {3.75, 3}};
    for (const auto& [scale, source] : choices)
        EXPECT_EQ(CardPictures::SourceScaleFor(scale), source) << scale;
    for (const qreal scale : {1.25, 2.0, 2.5, 3.0}) {
        SCOPED_TRACE(scale);
        CardPictures pictures(library_);
        pictures.SetScale(scale);
        pictures.ApplyCardSize(settings_);
        const int k = CardPictures::SourceScaleFor(scale);
        const QImage sheet = library_.Bitmap(FinerPictureName(FaceSheetName('B', 1, 'H'), k));
        const QImage back = library_.Bitmap(FinerPictureName(CardBackName('B', 11), k));
        const QImage mark = library_.Bitmap(FinerPictureName(MarkName('B', "004"), k));
        // The library holds them k times the card size, at least as large as drawn.
        ASSERT_EQ(sheet.size(), QSize(6 * 71 * k, 4 * 96 * k));
        ASSERT_EQ(back.size(), QSize(71 * k, 96 * k));
        const QSize drawn(qRound(71 * scale), qRound(96 * scale));
        for (const QImage* picture : {&pictures.FaceOfCard(1), &pictures.Back(),
                                      &pictures.Mark(MarkSlot::EmptyFoundation)}) {
            EXPECT_EQ(picture->size(), drawn);
            EXPECT_EQ(picture->devicePixelRatio(), scale);
            EXPECT_LE(picture->width(), back.width());
        }
        // At the library's own scale the pictures are its pixels, untouched.
        if (scale == k) {
            EXPECT_TRUE(SamePixels(pictures.FaceOfCard(1), sheet.copy(0, 0, 71 * k, 96 * k)));
            EXPECT_TRUE(SamePixels(pictures.Back(), back));
            EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::EmptyFoundation), mark));
        }
    }
}

// The finer pictures lie in ZUV2X.RGF beside the library. Without it, or with a damaged one,
// the table is still drawn at the scale: from the ordinary pictures, scaled up.
TEST_F(CardPicturesTest, WithoutAUsableFineLibraryPicturesAtAScaleAreTheOrdinaryOnesScaled) {
    const std::string fine = ReadFile(ProgramDir() / std::string(kFinePicturesLibraryName));
    const QImage big = library_.Bitmap("DB011");
    const QImage scaledUp = big.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                .scaled(142, 192, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::vector<DamagedFile> cases{{"missing", ""}, DamagedResourceFiles(fine).front()};
    for (const DamagedFile& finer : cases) {
        SCOPED_TRACE(finer.what);
        TempDir dir;
        WriteFile(dir.Path() / "ZUV.RGF", ReadFile(ProgramDir() / "ZUV.RGF"));
        if (!finer.bytes.empty())
            WriteFile(dir.Path() / std::string(kFinePicturesLibraryName), finer.bytes);
        ResourceLibrary alone;
        ASSERT_TRUE(alone.Load(QString::fromStdString((dir.Path() / "ZUV.RGF").string())));
        EXPECT_TRUE(alone.Bitmap("DB011_2X").isNull());
        EXPECT_TRUE(SamePixels(alone.Bitmap("DB011"), big));
        CardPictures pictures(alone);
        pictures.SetScale(2.0);
        pictures.ApplyCardSize(settings_);
        ASSERT_EQ(pictures.Back().size(), QSize(142, 192));
        EXPECT_EQ(pictures.Back().devicePixelRatio(), 2.0);
        EXPECT_EQ(pictures.FaceOfCard(1).size(), QSize(142, 192));
        // Away from the corners (which the card pictures settle) the back is the big one's.
        EXPECT_TRUE(
            NearPixels(pictures.Back().copy(10, 10, 122, 172), scaledUp.copy(10, 10, 122, 172)));
    }
}

// Every picture is made when first drawn, from the choice and scale of the last load.
TEST_F(CardPicturesTest, PicturesMadeWhenFirstDrawnAreThoseOfTheChoiceLoaded) {
    CardPictures pictures(library_);
    pictures.ApplyCardSize(settings_);
    // The preferences change after the load; the faces follow the load until the next one.
    settings_.Put(field::CardSet, "003");
    settings_.Put(field::CardSize, "M");
    EXPECT_TRUE(SamePixels(pictures.FaceOfCard(27), SheetCell('B', 'C', 1, 71, 96)));
    EXPECT_TRUE(SamePixels(pictures.FaceOfCard(105), library_.Bitmap(JokerName('B'))));
    EXPECT_TRUE(
        SamePixels(pictures.Mark(MarkSlot::Waste), library_.Bitmap(MarkName('B', "_WASTE"))));
    EXPECT_EQ(pictures.Back().size(), QSize(71, 96));
    EXPECT_EQ(pictures.Shadow(1).height(), library_.Bitmap(ShadowName('B', 1)).height());
    pictures.ApplyCardSize(settings_);
    ASSERT_EQ(pictures.CardWidth(), 59);
    // Those drawn before the load are made again; so are those of a new scale.
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::Waste), library_.Bitmap("WM_WASTE")));
    EXPECT_EQ(pictures.Back().size(), QSize(59, 80));
    EXPECT_EQ(pictures.Shadow(1).height(), library_.Bitmap(ShadowName('M', 1)).height());
    const QImage set3 = library_.Bitmap(FaceSheetName('M', 3, 'H'));
    ASSERT_FALSE(set3.isNull());
    EXPECT_TRUE(SamePixels(pictures.Face(0), set3.copy(0, 0, 59, 80)));
    EXPECT_TRUE(SamePixels(pictures.SpareCard(), pictures.Face(0)));
    EXPECT_EQ(pictures.FaceOfCard(105).size(), QSize(59, 80));
    pictures.SetScale(2.0);
    pictures.LoadCardPictures(settings_);
    EXPECT_EQ(pictures.Back().size(), QSize(118, 160));
    EXPECT_EQ(pictures.Mark(MarkSlot::Waste).size(), QSize(118, 160));
}

TEST_F(CardPicturesTest, MarksLoadInTheirOrderAndCourtRanksShareTheReserveMarks) {
    CardPictures pictures(library_);
    pictures.ApplyCardSize(settings_);
    // A mark shown before the size changes is not the one shown after it.
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::EmptyFoundation), library_.Bitmap("WB004")));
    settings_.Put(field::CardSize, "M");
    pictures.ApplyCardSize(settings_);
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::EmptyFoundation), library_.Bitmap("WM004")));
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::EmptyTableauBase), library_.Bitmap("WM004")));
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::Waste), library_.Bitmap("WM_WASTE")));
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::StockRedeal), library_.Bitmap("WM022")));
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::StockHighlight), library_.Bitmap("WM005")));
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::StockNoRedeal), library_.Bitmap("WM008")));
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::TableauFree), library_.Bitmap("WM_TABLEAU")));
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::Reserve), library_.Bitmap("WM001")));
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::Reserve9), library_.Bitmap("WM009")));
    EXPECT_TRUE(SamePixels(pictures.RankMark(1), library_.Bitmap("WM010")));
    EXPECT_TRUE(SamePixels(pictures.RankMark(2), library_.Bitmap("WM012")));
    EXPECT_TRUE(SamePixels(pictures.RankMark(10), library_.Bitmap("WM020")));
    EXPECT_TRUE(SamePixels(pictures.RankMark(11), library_.Bitmap("WM006")));
    EXPECT_TRUE(SamePixels(pictures.RankMark(12), library_.Bitmap("WM003")));
    EXPECT_TRUE(SamePixels(pictures.RankMark(13), library_.Bitmap("WM011")));
    EXPECT_TRUE(SamePixels(pictures.Mark(MarkSlot::ReserveJ), pictures.RankMark(11)));
    EXPECT_TRUE(pictures.RankMark(0).isNull());
    EXPECT_TRUE(pictures.RankMark(14).isNull());
    EXPECT_TRUE(SamePixels(pictures.SpecialStockMark(), library_.Bitmap("WM021")));
}

TEST_F(CardPicturesTest, MediumBacksAreTheBigBackScaledExceptBackEleven) {
    settings_.Put(field::CardSize, "M");
    settings_.Put(field::BackCard, "001");
    CardPictures pictures(library_);
    pictures.ApplyCardSize(settings_);
    ASSERT_EQ(pictures.Back().size(), QSize(59, 80));
    const QImage scaled = library_.Bitmap("DB001")
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              .scaled(59, 80, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_TRUE(NearPixels(pictures.Back(), scaled));

    settings_.Put(field::BackCard, "011");
    pictures.LoadCardBack(settings_);
    EXPECT_TRUE(SamePixels(pictures.Back(), library_.Bitmap("DM011")));
    EXPECT_FALSE(NearPixels(
        pictures.Back(),
        library_.Bitmap("DB011").scaled(59, 80, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));

    // Other sizes load their own back; an unpadded number is read as the three digits.
    settings_.Put(field::CardSize, "L");
    settings_.Put(field::BackCard, "19");
    pictures.ApplyCardSize(settings_);
    EXPECT_TRUE(SamePixels(pictures.Back(), library_.Bitmap("DL019")));
}

TEST_F(CardPicturesTest, MissingPicturesLeaveEmptyCardSizedPictures) {
    settings_.Put(field::CardSet, "005");  // a set the library does not hold
    settings_.Put(field::BackCard, "099");
    CardPictures pictures(library_);
    pictures.ApplyCardSize(settings_);
    for (int i = 0; i < 52; ++i) {
        ASSERT_EQ(pictures.Face(i).size(), QSize(71, 96));
        EXPECT_EQ(qAlpha(pictures.Face(i).pixel(35, 48)), 0);
    }
    EXPECT_EQ(pictures.Back().size(), QSize(71, 96));
    EXPECT_EQ(qAlpha(pictures.Back().pixel(35, 48)), 0);
    // The joker and the marks do not depend on the set.
    EXPECT_EQ(qAlpha(pictures.Face(CardPictures::kJokerIndex).pixel(35, 48)), 255);

    // Without a library at all nothing is drawn, and nothing fails.
    ResourceLibrary none;
    CardPictures empty(none);
    empty.ApplyCardSize(settings_);
    EXPECT_EQ(empty.Face(0).size(), QSize(71, 96));
    EXPECT_TRUE(empty.LoadResourcePicture("DB011").isNull());
    EXPECT_EQ(qAlpha(empty.Mark(MarkSlot::Waste).pixel(10, 10)), 0);
}

TEST_F(CardPicturesTest, ShadowsAndBordersComeWithTheirKeyColourTransparent) {
    CardPictures pictures(library_);
    pictures.ApplyCardSize(settings_);
    const QImage rawShadow = library_.Bitmap("SHADOW_B1").convertToFormat(QImage::Format_ARGB32);
    const QImage shadow = pictures.Shadow(1).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shadow.size(), rawShadow.size());
    int keyed = 0;
    for (int y = 0; y < shadow.height(); ++y)
        for (int x = 0; x < shadow.width(); ++x)
            if ((rawShadow.pixel(x, y) & 0xffffff) == 0xffffff) {
                EXPECT_EQ(qAlpha(shadow.pixel(x, y)), 0);
                ++keyed;
            } else {
                EXPECT_EQ(qAlpha(shadow.pixel(x, y)), qAlpha(rawShadow.pixel(x, y)));
            }
    EXPECT_GT(keyed, 0);
    const QImage border = pictures.Border(2).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(border.size(), QSize(16, 96 + 13));
    EXPECT_EQ(qAlpha(border.pixel(15, 0)), 0);     // blue above the deepest edge
    EXPECT_EQ(qAlpha(border.pixel(15, 20)), 255);  // the edge itself
}

}  // namespace
}  // namespace tindle::test
