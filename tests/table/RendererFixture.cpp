#include "RendererFixture.h"

#include <QGuiApplication>

#include <cstdlib>

#include "model/Deal.h"
#include "model/GamesDat.h"
#include "model/Random.h"
#include "table/DefaultSettings.h"

namespace tindle::test {

namespace {

// The joker labels write text, which needs the font system of an application.
class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (QGuiApplication::instance()) return;
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "test_table";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { application_.reset(); }

  private:
    std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

void RendererTest::Build(int gameId, char size, int width, int height) {
    width_ = width;
    height_ = height;
    renderer_.reset();
    ASSERT_TRUE(library_.IsLoaded() ||
                library_.Load(QString::fromStdString((ProgramDir() / "ZUV.RGF").string())));
    LoadDefaultSettings(settings_, dir_.Path());
    std::filesystem::create_directories(dir_.Path() / "DATA");
    settings_.Put(field::CardSize, std::string(1, size));
    pictures_ = std::make_unique<CardPictures>(library_);
    pictures_->ApplyShadowSetting(settings_);
    pictures_->ApplyCardSize(settings_);

    game_ = Game();
    ASSERT_TRUE(LoadGame(ProgramDir() / "GAMES.DAT", gameId, game_).Ok());
    Random random(1);
    DealContext context;
    context.random = &random;
    DealGame(game_, *ParseGameNumber("1234567890123"), context);
    game_.flags.gameInProgress = true;
    LayOut();

    renderer_ = std::make_unique<TableRenderer>(game_, layout_, settings_, *pictures_, time_,
                                                sounds_, messages_);
    renderer_->SetWindowSize(width_, height_);
    renderer_->SetObserver(&window_);
}

void RendererTest::LayOut() {
    LayoutInputs in;
    in.width = width_;
    in.height = height_;
    in.bottom = height_ - 1;
    in.top = kToolbarBottom;
    in.screenWidth = width_;
    in.screenHeight = height_;
    in.cardWidth = pictures_->CardWidth();
    in.cardHeight = pictures_->CardHeight();
    in.shadowMargin = settings_.IsNotNo(field::CardsShadowed) ? kShadowMarginOn : 0;
    layout_ = TMainGame();
    layout_.SetFanSteps(pictures_->SizeLetter(), game_.def);
    layout_.TableLayout(in, game_.def);
}

void RendererTest::Repaint() {
    renderer_->PaintBackground();
    renderer_->RepaintTable(false);
}

QImage RendererTest::FreshTable() {
    TMainGame layout = layout_;
    RecordingSounds sounds;
    RecordingTime time;
    RecordingMessages messages;
    TableRenderer fresh(game_, layout, settings_, *pictures_, time, sounds, messages);
    fresh.SetWindowSize(width_, height_);
    fresh.PaintBackground();
    fresh.RepaintTable(false);
    return fresh.TableImage().copy();
}

}  // namespace tindle::test
