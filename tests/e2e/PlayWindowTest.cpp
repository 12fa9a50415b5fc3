// Play on the main window, driven by synthetic mouse events on its table.

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "MainWindowFixture.h"
#include "model/LegalMoves.h"
#include "model/UndoRedo.h"
#include "play/Gestures.h"
#include "play/KeyboardPlay.h"
#include "play/NewGame.h"
#include "play/PlayMove.h"
#include "play/TablePlaces.h"
#include "shell/Commands.h"
#include "shell/MainWindowPlay.h"
#include "shell/TableArea.h"

namespace tindle::test {
namespace {

class PlayWindow : public MainWindowFixture {
  protected:
    // The window on the screen with the game dealt from the number (no animated deal).
    void Deal(int gameId, const std::string& number) {
        WritePrefs("[Preference]\nGame=" + std::to_string(gameId) +
                   "\nCards_Animate=N\nSounds_Enabled=N\n");
        Start();
        window->SetAutoPlayChecked(false);
        app->settings.Put(field::GameNumber, number);
        ASSERT_TRUE(StartGame(Ctx(), true, false, 0, false));
        Settle();
    }
    PlayContext& Ctx() { return window->Play()->Context(); }
    Game& G() { return app->game; }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        TableArea* table = window->imgSfondo;
        QMouseEvent event(type, QPointF(at), QPointF(table->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(table, &event);
    }
    void Press(QPoint at) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void Move(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void DoubleClick(QPoint at) {
        Press(at);
        Release(at);
        Send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        Release(at);
    }
    QPoint On(int card) {
        int x = 0;
        int y = 0;
        EXPECT_TRUE(PointOnCard(Ctx(), card, x, y)) << card;
        return {x, y};
    }
    // Drags the card so that it lies exactly over the pile's top card, by the mouse.
    void Drag(int card, PileRef target) {
        const QPoint from = On(card);
        Press(from);
        const PointerState& p = G().pointer;
        const TableRect over = TopCardRect(Ctx(), target);
        const QPoint to(over.left + p.grabX, over.top + p.grabY);
        Move((from + to) / 2);
        Move(to);
        Release(to);
    }
    const Pile& Column(int n) { return G().piles.fila[static_cast<size_t>(n - 1)]; }
};

// FreeCell 3: column 2 ends with the Queen of hearts, column 5 with the Jack of clubs, column
// 3 with the 9 of spades, column 6 with the 9 of diamonds, column 8 with the Ace of clubs.
constexpr int kQueenOfHearts = 12;
constexpr int kJackOfClubs = 37;
constexpr int kNineOfSpades = 48;
constexpr int kAceOfClubs = 27;

TEST_F(PlayWindow, DraggingAFreeCellCardToALegalColumnMovesIt) {
    Deal(1, "3");
    ASSERT_EQ(PileTop(Column(2)), kQueenOfHearts);
    ASSERT_EQ(PileTop(Column(5)), kJackOfClubs);
    Drag(kJackOfClubs, {PileKind::Fila, 1});
    EXPECT_EQ(PileTop(Column(2)), kJackOfClubs);
    EXPECT_EQ(PileCount(Column(5)), 5);
    EXPECT_EQ(G().undo.Count(), 1);
    EXPECT_EQ(G().pointer.dragCard, 0);
}

TEST_F(PlayWindow, AnIllegalDropFliesBackAndRecordsNothing) {
    Deal(1, "3");
    const Piles dealt = G().piles;
    Drag(kNineOfSpades, {PileKind::Fila, 5});  // a 9 onto a 9
    EXPECT_TRUE(G().piles == dealt);
    EXPECT_TRUE(G().undo.Empty());
    EXPECT_EQ(G().pointer.dragCard, 0);
}

TEST_F(PlayWindow, ADoubleClickSendsAnAceToAFoundation) {
    Deal(1, "3");
    DoubleClick(On(kAceOfClubs));
    EXPECT_EQ(PileTop(G().piles.dest[0]), kAceOfClubs);
    EXPECT_EQ(PileCount(Column(8)), 5);
    EXPECT_EQ(window->lblScore->text(), QStringLiteral("-47"));
}

TEST_F(PlayWindow, AKlondikeStockClickTurnsACard) {
    Deal(2, "3");
    const TableRect stock = TopCardRect(Ctx(), {PileKind::Mazzo, 0});
    const QPoint at(stock.left + 10, stock.top + 10);
    Press(at);
    Release(at);
    EXPECT_EQ(PileCount(G().piles.Stock()), 23);
    EXPECT_EQ(PileTop(G().piles.Waste()), 45);  // the stock's top card, now face up
    EXPECT_FALSE(G().cards.CardIsFaceDown(45));
}

TEST_F(PlayWindow, AFaceDownTopCardTurnsUpOnClickAndUndoRestoresTheTable) {
    WritePrefs("[Preference]\nGame=2\nCards_Animate=N\nSounds_Enabled=N\nAutomatic_FaceUp=N\n");
    Start();
    window->SetAutoPlayChecked(false);
    app->settings.Put(field::GameNumber, "3");
    ASSERT_TRUE(StartGame(Ctx(), true, false, 0, false));
    Settle();
    // Klondike 3: the Ace of clubs lies on top of column 7, over a face-down card.
    ASSERT_EQ(PileTop(Column(7)), kAceOfClubs);
    Drag(kAceOfClubs, {PileKind::Dest, 0});
    ASSERT_EQ(PileTop(G().piles.dest[0]), kAceOfClubs);
    const int uncovered = PileTop(Column(7));
    EXPECT_TRUE(G().cards.CardIsFaceDown(uncovered));
    const Piles afterDrop = G().piles;

    const QPoint at = On(uncovered);
    Press(at);
    Release(at);
    EXPECT_FALSE(G().cards.CardIsFaceDown(uncovered));
    EXPECT_EQ(G().undo.Count(), 2);

    window->Play()->Undo();
    EXPECT_TRUE(G().cards.CardIsFaceDown(uncovered));
    EXPECT_TRUE(G().piles == afterDrop);
    window->Play()->Undo();
    EXPECT_EQ(PileTop(Column(7)), kAceOfClubs);
    EXPECT_TRUE(PileEmpty(G().piles.dest[0]));
    EXPECT_EQ(window->lblScore->text(), QStringLiteral("-52"));
}

// The table's keys play FreeCell 3 (the Jack of clubs from column 5 onto the Queen of hearts
// of column 2), and screen readers find every pile, its cards, the focus, the lifted card and
// what the move did.
TEST_F(PlayWindow, KeysPlayOnTheTableAndScreenReadersReadItsPiles) {
    Deal(1, "3");
    TableArea* table = window->imgSfondo;
    QApplication::setActiveWindow(window.get());
    table->setFocus();
    auto key = [table](int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(table, &press);
        return press.isAccepted();
    };
    QAccessibleInterface* tableIface = QAccessible::queryAccessibleInterface(table);
    ASSERT_TRUE(tableIface);
    std::vector<QString> names;
    for (int i = 0; i + 1 < tableIface->childCount(); ++i)
        names.push_back(tableIface->child(i)->text(QAccessible::Name));
    const std::vector<QString> expected{
        "Free cell 1",  "Free cell 2",  "Free cell 3",  "Free cell 4",
        "Foundation 1", "Foundation 2", "Foundation 3", "Foundation 4",
        "Column 1",     "Column 2",     "Column 3",     "Column 4",
        "Column 5",     "Column 6",     "Column 7",     "Column 8"};
    EXPECT_EQ(names, expected);
    QAccessibleInterface* column2 = tableIface->child(9);
    ASSERT_EQ(column2->childCount(), 7);
    EXPECT_EQ(column2->child(6)->text(QAccessible::Name), QStringLiteral("Queen of Hearts"));
    EXPECT_EQ(column2->child(6)->parent(), column2);

    // Twelve Tabs from the first pile reach column 5; Space lifts its Jack.
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(key(Qt::Key_Tab));
    EXPECT_TRUE(key(Qt::Key_Space));
    QAccessibleInterface* column5 = tableIface->child(12);
    EXPECT_TRUE(column5->child(PileCount(Column(5)) - 1)->state().selected);
    EXPECT_FALSE(column5->child(0)->state().selected);
    EXPECT_EQ(tableIface->focusChild(), column5);
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Left);
    EXPECT_EQ(tableIface->focusChild(), column2);
    EXPECT_TRUE(key(Qt::Key_Return));
    EXPECT_EQ(PileTop(Column(2)), kJackOfClubs);
    EXPECT_EQ(G().undo.Count(), 1);
    EXPECT_EQ(tableIface->child(16)->text(QAccessible::Name),
              QStringLiteral("Jack of Clubs from Column 5 to Column 2."));
    // Keys of the commands are not the table's.
    EXPECT_FALSE(window->Play()->TableKey(Qt::Key_H, Qt::NoModifier));
    EXPECT_FALSE(window->Play()->TableKey(Qt::Key_Z, Qt::ControlModifier));

    window->Play()->Undo();
    EXPECT_EQ(PileTop(Column(5)), kJackOfClubs);
    EXPECT_EQ(tableIface->child(16)->text(QAccessible::Name),
              QStringLiteral("Jack of Clubs from Column 2 to Column 5."));

    // The focus frame stays on its pile when a narrower window moves the piles.
    const auto focusedAt = [this] {
        const TableRect r = KeyboardFocusRect(Ctx());
        return QRect(r.left, r.top, r.Width(), r.Height());
    };
    const QRect before = focusedAt();
    window->showNormal();
    window->resize(window->width() - 200, window->height());
    Settle();
    EXPECT_NE(focusedAt(), before);
    EXPECT_EQ(table->FocusMark(), focusedAt());
}

// While Hint's search runs, the table shows the desktop's busy pointer, as a player may go on
// playing; a card held by the mouse shows the drag pointer meanwhile, and once the search ends
// (here: stopped by a move) the chosen pointer is back.
TEST_F(PlayWindow, WhileHintSearchesTheTableShowsTheBusyPointer) {
    constexpr int kAcesUp = 11;  // deal 1: not decided within Hint's budget
    Deal(kAcesUp, "1");
    TableArea* table = window->imgSfondo;
    const Qt::CursorShape chosen = table->cursor().shape();
    ASSERT_NE(chosen, Qt::BusyCursor);
    window->Commands().Menu().mnuHint->trigger();
    EXPECT_EQ(table->cursor().shape(), Qt::BusyCursor);
    window->Play()->SetDragCursor();
    EXPECT_NE(table->cursor().shape(), Qt::BusyCursor);
    window->Play()->RestorePointerShape();
    EXPECT_EQ(table->cursor().shape(), Qt::BusyCursor);
    std::vector<tindle::Move> legal;
    LegalMoves(G(), legal);
    ASSERT_FALSE(legal.empty());
    ASSERT_TRUE(PlayMove(Ctx(), legal.front()));
    QElapsedTimer clock;
    clock.start();
    while (table->cursor().shape() == Qt::BusyCursor && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(table->cursor().shape(), chosen);
}

// Nothing is dealt at the start: until a game is chosen in the chooser or New game is asked
// for, the table shows the stored game's places with empty piles.
TEST_F(PlayWindow, TheFirstActivationDealsNothing) {
    WritePrefs("[Preference]\nGame=2\nCards_Animate=N\nDeal_Animation=N\nSounds_Enabled=N\n");
    Create();
    window->onOpenGameAtStart = nullptr;  // no chooser wired: the window's play alone
    window.reset();
    auto own = std::make_unique<TfrmMain>(*app);
    ASSERT_TRUE(own->Created());
    own->PlaceMainWindow();
    own->show();
    QElapsedTimer clock;
    clock.start();
    while (app->game.flags.startupPending && clock.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_FALSE(app->game.flags.startupPending);
    EXPECT_FALSE(app->game.flags.gameInProgress);
    EXPECT_EQ(app->settings.GetInt(field::GameId, -1), 2);
    EXPECT_TRUE(PileEmpty(app->game.piles.Stock()));
    for (int k = 1; k <= 7; ++k)
        EXPECT_TRUE(PileEmpty(Column(k)));
    // New game deals the stored game at once.
    window = std::move(own);
    window->Play()->NewGame();
    Settle();
    EXPECT_TRUE(app->game.flags.gameInProgress);
    EXPECT_EQ(PileCount(app->game.piles.Stock()) + PileCount(app->game.piles.Waste()), 24);
    window->close();
}

}  // namespace
}  // namespace tindle::test
