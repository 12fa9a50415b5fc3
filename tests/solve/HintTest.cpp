// Hint's picture of a move: what is shown selected on the table.

#include "play/PlayFixture.h"
#include "play/TablePlaces.h"
#include "solve/Hint.h"

namespace tindle::test {
namespace {

bool Inside(const TableRect& inner, const TableRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

class KlondikeHint : public PlayFixture {
  protected:
    void SetUp() override { UseGame(kKlondikeId); }
};

// A run moved between columns is shown whole, its last card too, and the card it goes onto;
// a single top card is shown alone.
TEST_F(KlondikeHint, ShowsTheRunAMoveCarriesAndTheCardItGoesOnto) {
    Put(Fila(2), {C(13), H(12), S(11), H(10)}, {C(13)});
    Put(Fila(3), {S(13)});
    Put(Fila(4), {C(9)});

    const auto run = HintPlaces(ctx, {MoveKind::ToColumn, 2, H(12)});
    ASSERT_EQ(run.size(), 2u);
    for (int position = 1; position <= 3; ++position) {
        EXPECT_TRUE(Inside(CardRectAt(ctx, CardCorner(ctx, Fila(2), position)), run[0]))
            << position;
    }
    EXPECT_FALSE(Inside(CardRectAt(ctx, CardCorner(ctx, Fila(2), 0)), run[0]));
    EXPECT_EQ(run[1], TopCardRect(ctx, Fila(3)));

    const auto single = HintPlaces(ctx, {MoveKind::ToColumn, 1, C(9)});
    ASSERT_EQ(single.size(), 2u);
    EXPECT_EQ(single[0], TopCardRect(ctx, Fila(4)));
    EXPECT_EQ(single[1], TopCardRect(ctx, Fila(2)));
}

}  // namespace
}  // namespace tindle::test
