#include "table/JokerLabels.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <string>

#include "model/Card.h"
#include "model/Game.h"
#include "table/CardPictures.h"
#include "table/PixelCopy.h"
#include "table/ResourceNames.h"
#include "table/TableRenderer.h"
#include "table/layout/Nearest.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

constexpr int kLabelWidth = 59;
constexpr int kLabelHeight = 14;
constexpr int kLabelHalf = 29;
constexpr int kLabelRise = 18;  // the label's top above foundation 1
constexpr int kTextLeft = 2;
constexpr int kSuitLeft = 48;
constexpr int kSuitTop = 2;
constexpr int kFullFoundation = 14;
constexpr int kFontPixels = 11;  // an 8-point font on a 96-dpi screen

std::string RankText(int rank) {
    switch (rank) {
        case kAce:
            return "A";
        case kJack:
            return "J";
        case kQueen:
            return "Q";
        case kKing:
            return "K";
        default:
            return std::to_string(rank);
    }
}

}  // namespace

JokerLabel FindJokerLabel(const Game& game) {
    JokerLabel label;
    const int foundations = std::min(game.FoundationCount(), kDestPiles);
    for (int f = 0; f < foundations; ++f) {
        const Pile& pile = game.piles.dest[static_cast<size_t>(f)];
        const int count = PileCount(pile);
        for (int pos = 0; pos < count; ++pos) {
            if (!CardIsJoker(PileCardAt(pile, pos))) continue;
            label.key = f * 100 + (pos * kCardChars + 1) + 100;
            label.foundation = f;
            if (pos == 0) {
                if (count == 1) {
                    label.withdrawn = true;
                    return label;
                }
                const int above = PileCardAt(pile, 1);
                label.rank = CardRank(above) - 1;
                label.suit = CardSuit(above);
                return label;
            }
            const int below = PileCardAt(pile, pos - 1);
            if (CardRank(below) == kKing) {
                if (count >= kFullFoundation) {
                    label.withdrawn = true;
                    return label;
                }
                label.rank = kAce;
            } else {
                label.rank = CardRank(below) + 1;
            }
            label.suit = CardSuit(PileBottom(pile));
            return label;
        }
    }
    return label;
}

void TableRenderer::DrawJokerLabels() {
    const JokerLabel label = FindJokerLabel(game_);
    if (jokerLabelKeySet_ && label.key == jokerLabelKey_) return;
    const PileRef first{PileKind::Dest, 0};
    if (!layout_.OnTable(first)) return;
    const int top = layout_.PileY(first) - kLabelRise;
    auto box = [&](int f) {
        const int left = layout_.DestX(f) + Nearest(CardWidth() / 2.0) - kLabelHalf;
        return QRect(left, top, kLabelWidth, kLabelHeight);
    };
    auto erase = [&](int f) {
        if (!layout_.OnTable(PileRef{PileKind::Dest, f})) return;
        DrawOn(DrawTarget::Both, [&](Canvas& c) { CopyFromBackground(c, box(f)); });
    };
    const int foundations = std::min(game_.FoundationCount(), kDestPiles);
    for (int f = 0; f < foundations; ++f)
        if (f != label.foundation) erase(f);

    jokerLabelKeySet_ = true;
    if (label.foundation < 0) {
        jokerLabelKey_ = label.key;
        return;
    }
    if (label.withdrawn) {
        erase(label.foundation);
        jokerLabelKey_ = kNoJokerLabel;
        return;
    }
    jokerLabelKey_ = label.key;
    if (label.rank < kAce || label.rank > kKing) {
        erase(label.foundation);
        return;
    }
    const QRect r = box(label.foundation);
    DrawOn(DrawTarget::Both, [&](Canvas& c) {
        const QRect in = r.translated(c.offsetX, c.offsetY);
        QPainter painter(c.image);
        painter.setClipRect(c.Bounds());
        painter.fillRect(in, Qt::white);
        painter.setPen(Qt::black);
        painter.drawLine(in.left(), in.bottom(), in.right(), in.bottom());
        painter.drawLine(in.right(), in.top(), in.right(), in.bottom());
        // Text needs the font system of a running application; without one (a bare
        // image renderer) the label keeps its suit alone.
        if (QGuiApplication::instance()) {
            const std::string rank = RankText(label.rank);
            const std::string text = (rank.size() == 2 ? "Joker=" : "Joker = ") + rank;
            QFont font(QStringLiteral("Sans Serif"));
            font.setStyleHint(QFont::SansSerif);
            font.setPixelSize(kFontPixels);
            painter.setFont(font);
            painter.drawText(
                QRect(in.left() + kTextLeft, in.top(), kSuitLeft - kTextLeft, kLabelHeight - 1),
                Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(text));
        }
        painter.end();
        if (label.suit >= 0 && label.suit < static_cast<int>(kSuitPictures.size())) {
            const QImage suit =
                pictures_.LoadResourcePicture(kSuitPictures[static_cast<size_t>(label.suit)]);
            BlendOnto(c, suit, r.left() + kSuitLeft, r.top() + kSuitTop);
        }
        c.touched |= r;
    });
}

}  // namespace tindle
