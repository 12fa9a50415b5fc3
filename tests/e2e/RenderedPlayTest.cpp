// Play drawn by the real table renderer (no window): random gestures with the card
// animations and shadows on, the table sound after each and its picture that of a table drawn
// afresh from the piles. (Untidy columns stay off: their offsets follow a card's depth among
// the cards left above it, so a covered card lies elsewhere in a fresh repaint than where it
// was drawn as the top card.)

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "model/Catalogue.h"
#include "play/HeadlessPlay.h"
#include "play/NewGame.h"
#include "support/QtTestApp.h"
#include "support/RandomPlay.h"
#include "support/TableInvariants.h"
#include "support/TestPaths.h"
#include "table/CardPictures.h"
#include "table/DefaultSettings.h"
#include "table/ResourceLibrary.h"
#include "table/TableRenderer.h"

namespace tindle::test {
namespace {

class RenderedPlay : public ::testing::Test {
  protected:
    void Start(int gameId, const std::string& number) {
        QtTestApp();
        ASSERT_TRUE(library_.Load(QString::fromStdString((ProgramDir() / "ZUV.RGF").string())));
        LoadDefaultSettings(settings_, dir_.Path());
        settings_.Put(field::SoundsEnabled, "N");
        settings_.Put(field::PilesTT, "N");
        settings_.Put(field::GameId, ZeroPad(gameId, 4));
        settings_.Put(field::GameNumber, number);
        ASSERT_TRUE(catalogue_.Read(ProgramDir() / "GAMES.DAT").Ok());
        pictures_ = std::make_unique<CardPictures>(library_);
        pictures_->ApplyShadowSetting(settings_);
        pictures_->ApplyCardSize(settings_);
        renderer_ = std::make_unique<TableRenderer>(game_, layout_, settings_, *pictures_, time_,
                                                    sounds_, messages_);
        renderer_->SetWindowSize(1024, 768);
        ui_.layoutInputs = HeadlessLayoutInputs(1024, 768);
        ctx_ = std::make_unique<PlayContext>(PlayContext{game_, settings_, layout_, catalogue_,
                                                         *renderer_, sounds_, messages_, time_,
                                                         random_, ui_});
        ASSERT_TRUE(StartGame(*ctx_, true, false, 0, false));
    }

    QImage FreshTable() {
        TMainGame layout = layout_;
        QuietSoundPort sounds;
        QuietTimePort time;
        QuietMessagePort messages;
        TableRenderer fresh(game_, layout, settings_, *pictures_, time, sounds, messages);
        fresh.SetWindowSize(1024, 768);
        fresh.PaintBackground();
        fresh.RepaintTable(false);
        return fresh.TableImage().copy();
    }

    TempDir dir_;
    ResourceLibrary library_;
    std::unique_ptr<CardPictures> pictures_;
    SettingsRecord settings_;
    Game game_;
    TMainGame layout_;
    Catalogue catalogue_;
    QuietSoundPort sounds_;
    QuietMessagePort messages_;
    QuietTimePort time_;
    Random random_{5};
    QuietPlayUi ui_;
    std::unique_ptr<TableRenderer> renderer_;
    std::unique_ptr<PlayContext> ctx_;
};

// Pixels in which two pictures of the table differ.
int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            n += (pa[x] & 0xffffffu) != (pb[x] & 0xffffffu);
    }
    return n;
}

// What a move leaves on the table matches a repaint of its piles up to the rounded corners
// of cards drawn over others: a card left out or left behind would differ by far more (a
// card's visible band in a column is 71 x 18 pixels).
constexpr int kCornerTolerance = 1000;

TEST_F(RenderedPlay, RandomGesturesKeepTheTableAndItsPicture) {
    for (int gameId : {1, 2}) {
        Start(gameId, "0000000031415");
        EXPECT_EQ(DifferingPixels(renderer_->TableImage(), FreshTable()), 0) << gameId;
        const auto deck = CardCounts(game_);
        int gestures = 0;
        int worst = 0;
        for (int step = 0; step < 150 && game_.flags.gameInProgress; ++step) {
            const Gesture g = RandomGesture(*ctx_, random_);
            if (g.what.empty()) continue;
            ++gestures;
            ASSERT_EQ(CheckTable(game_, deck), "") << gameId << " step " << step << ": " << g.what;
            const int differing = DifferingPixels(renderer_->TableImage(), FreshTable());
            worst = std::max(worst, differing);
            ASSERT_LT(differing, kCornerTolerance) << gameId << " step " << step << ": " << g.what;
        }
        EXPECT_GT(gestures, 100) << gameId;
        RecordProperty("worst_" + std::to_string(gameId), worst);
    }
}

TEST_F(RenderedPlay, UndoRepaintsTheTableItGoesBackTo) {
    // Klondike 3: the 4 of hearts goes onto column 3 and the card it uncovered turns up; the
    // one undo of that drag must leave no trace of it on column 3.
    Start(2, "0000000000003");
    ASSERT_TRUE(DragCardTo(*ctx_, 4, {PileKind::Fila, 2}));
    ASSERT_TRUE(UndoCommand(*ctx_));
    EXPECT_TRUE(game_.undo.Empty());
    EXPECT_EQ(DifferingPixels(renderer_->TableImage(), FreshTable()), 0);
}

}  // namespace
}  // namespace tindle::test
