// The contact sheet for review: every card of both sets at the big size, the other sizes,
// every back, every background tile (tiled 2 x 2 so that seams would show), the marks on
// the default table green and over the other grounds a table can have, shadows and stock edges in
// use, the toolbar glyphs, the dialog pictures, the cursors and the splash.

#include <QLinearGradient>
#include <QPainter>

#include <iterator>
#include <vector>

#include "Cards.h"
#include "Generator.h"
#include "Output.h"
#include "Paint.h"
#include "table/ResourceNames.h"

namespace gen {

namespace {

using tindle::CardSizeSpec;

const QColor kTable(0, 96, 0);
constexpr int kSheetWidth = 1180;
constexpr int kGap = 6;

// Places pictures left to right, wrapping at the sheet's width.
class Flow {
  public:
    Flow(QPainter& p, int top) : p_(p), y_(top) {}

    void Heading(const QString& text) {
        NewLine();
        y_ += 8;
        p_.setPen(QColor(235, 245, 235));
        p_.setFont(DisplayFont(15, true));
        p_.drawText(QPointF(kGap * 2, y_ + 15), text);
        y_ += 22;
    }

    void Place(const QImage& image, int scale = 1) {
        const int w = image.width() * scale, h = image.height() * scale;
        if (x_ + w > kSheetWidth - kGap * 2 && x_ > kGap * 2) NewLine();
        p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p_.drawImage(QRect(x_, y_, w, h), image);
        x_ += w + kGap;
        rowHeight_ = std::max(rowHeight_, h);
    }

    void Space(int width) { x_ += width; }

    void NewLine() {
        if (rowHeight_ > 0) y_ += rowHeight_ + kGap;
        x_ = kGap * 2;
        rowHeight_ = 0;
    }

    int Bottom() {
        NewLine();
        return y_;
    }

  private:
    QPainter& p_;
    int x_ = kGap * 2;
    int y_;
    int rowHeight_ = 0;
};

QImage Bitmap(const Output& out, const std::string& name) {
    auto it = out.Bitmaps().find(tindle::CanonicalResourceName(name));
    return it == out.Bitmaps().end() ? QImage() : it->second;
}

// A picture keyed by a transparent colour, as the program shows it.
QImage Keyed(QImage image, QRgb key) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xffffff) == (key & 0xffffff)) line[x] = 0;
    }
    return image;
}

// A card lifted with its shadow, and a stock ten cards thick, on the table green.
QImage InUse(const Output& out, const CardSizeSpec& size) {
    const int w = size.width, h = size.height;
    QImage scene = NewImage(w * 4 + 60, h * 2, kTable);
    QPainter p(&scene);
    const QImage back =
        Bitmap(out, tindle::CardBackName(size.letter == 'M' ? 'B' : size.letter, 11));
    // Stock: d = 10 under the saved place (x0, y0).
    const int d = 10, x0 = 20, y0 = 20;
    const QImage horizontal =
        Keyed(Bitmap(out, tindle::BorderName(size.letter, 1)), qRgb(0, 0, 255));
    const QImage vertical = Keyed(Bitmap(out, tindle::BorderName(size.letter, 2)), qRgb(0, 0, 255));
    const int top = y0 - d, left = x0 - d;
    p.drawImage(QPoint(x0 - 11, top + h - 1),
                horizontal.copy(0, 15 - d, horizontal.width(), d + 1));
    p.drawImage(QPoint(left + w - 1, y0 - 13), vertical.copy(15 - d, 0, d + 1, vertical.height()));
    p.drawImage(QRect(left, top, w, h), back);
    // A lifted card with its shadow pictures.
    const QImage face = DrawFace(size, 1, 3, 1);
    const int cx = w + 50, cy = 12;
    const QImage s1 = Keyed(Bitmap(out, tindle::ShadowName(size.letter, 1)), qRgb(255, 255, 255));
    const QImage s2 = Keyed(Bitmap(out, tindle::ShadowName(size.letter, 2)), qRgb(255, 255, 255));
    p.drawImage(QPoint(cx + w, cy + tindle::kShadowDepth - 2), s1);
    p.drawImage(QPoint(cx + tindle::kShadowDepth - 1, cy + h), s2);
    p.drawImage(QPoint(cx, cy), face);
    // A short fanned column.
    const int fx = 2 * w + 80;
    for (int i = 0; i < 4; ++i)
        p.drawImage(QPoint(fx, 8 + i * (h / 5)), DrawFace(size, 1, i % 4, 13 - i));
    p.drawImage(QPoint(fx + w + 10, 8), DrawJoker(size));
    return scene;
}

// A few marks of one size on a ground, as a table of that ground would show them: a plain
// colour, a fade from green to black, or a background tile.
QImage MarksOn(const Output& out, const CardSizeSpec& size, const QImage& tile, QColor top,
               QColor bottom) {
    static constexpr std::string_view kShown[] = {"004", "_WASTE", "022", "005",     "008",
                                                  "010", "011",    "001", "_TABLEAU"};
    const int count = static_cast<int>(std::size(kShown));
    const int pad = size.letter == 'L' ? 4 : 8;
    const int w = count * (size.width + pad) + pad, h = size.height + 2 * pad;
    QImage scene = NewImage(w, h);
    QPainter p(&scene);
    if (!tile.isNull()) {
        for (int y = 0; y < h; y += tile.height())
            for (int x = 0; x < w; x += tile.width())
                p.drawImage(x, y, tile);
    } else {
        QLinearGradient fade(0, 0, 0, h);
        fade.setColorAt(0, top);
        fade.setColorAt(1, bottom);
        p.fillRect(scene.rect(), fade);
    }
    for (int i = 0; i < count; ++i)
        p.drawImage(pad + i * (size.width + pad), pad,
                    Bitmap(out, tindle::MarkName(size.letter, kShown[i])));
    return scene;
}

void PlaceMarksOnGrounds(Flow& flow, const Output& out) {
    const QImage none;
    const QImage parquet = Bitmap(out, tindle::BackgroundName(311));
    const QImage meadow = Bitmap(out, tindle::BackgroundName(324));
    // Every ground with the big marks; the smaller sizes on the fade, white and Parquet.
    const CardSizeSpec big = tindle::kCardSizes[0];
    flow.Place(MarksOn(out, big, none, kTable, kTable));
    flow.Place(MarksOn(out, big, none, QColor(0, 0, 255), QColor(0, 0, 255)));
    flow.Place(MarksOn(out, big, meadow, {}, {}));
    flow.Place(MarksOn(out, big, none, QColor(28, 28, 28), QColor(0, 0, 0)));
    for (const CardSizeSpec& size : tindle::kCardSizes) {
        const int scale = size.letter == 'L' ? 2 : 1;
        flow.Place(MarksOn(out, size, none, QColor(0, 128, 0), QColor(0, 40, 0)), scale);
        flow.Place(MarksOn(out, size, none, Qt::white, Qt::white), scale);
        flow.Place(MarksOn(out, size, parquet, {}, {}), scale);
    }
}

// A background tile repeated 2 x 2 (at most 360 x 260 shown).
QImage Tiled(const QImage& tile) {
    const int w = std::min(tile.width() * 2, 360), h = std::min(tile.height() * 2, 260);
    QImage shown = NewImage(w, h);
    QPainter p(&shown);
    for (int y = 0; y < h; y += tile.height())
        for (int x = 0; x < w; x += tile.width())
            p.drawImage(x, y, tile);
    return shown;
}

QImage Toolbar(const Output& out, bool large, bool enabled) {
    const int bw = large ? 44 : 23, bh = large ? 42 : 22;
    const int glyph = large ? tindle::kLargeGlyphSize : tindle::kSmallGlyphSize;
    QImage bar = NewImage(bw * 7 + 8, bh + 4, QColor(236, 236, 236));
    QPainter p(&bar);
    int x = 4;
    for (tindle::ToolbarCommand command : tindle::kToolbarCommands) {
        p.setPen(QColor(200, 200, 200));
        p.drawRect(x, 2, bw - 1, bh - 1);
        p.drawImage(x + (bw - glyph) / 2, 2 + (bh - glyph) / 2,
                    Bitmap(out, tindle::ToolbarGlyphName(command, large, enabled)));
        x += bw;
    }
    return bar;
}

QImage OnWhite(const QImage& image, int pad = 2) {
    QImage framed = NewImage(image.width() + 2 * pad, image.height() + 2 * pad, Qt::white);
    QPainter p(&framed);
    p.drawImage(pad, pad, image);
    return framed;
}

}  // namespace

bool WritePreview(const Output& out, const QString& file) {
    QImage sheet = NewImage(kSheetWidth, 7200, kTable);
    int bottom = 0;
    {
        Painter p(&sheet);
        Flow flow(p, 4);
        const CardSizeSpec big = tindle::kCardSizes[0];
        for (int cardSet : tindle::kCardSets) {
            flow.Heading(QString("Card set %1, big").arg(cardSet, 3, 10, QChar('0')));
            for (int suit = 0; suit < 4; ++suit) {
                for (int rank = 1; rank <= 13; ++rank)
                    flow.Place(DrawFace(big, cardSet, suit, rank));
                flow.NewLine();
            }
        }
        for (int s = 1; s < 3; ++s) {
            const CardSizeSpec size = tindle::kCardSizes[s];
            for (int cardSet : tindle::kCardSets) {
                flow.Heading(QString("Card set %1, %2")
                                 .arg(cardSet, 3, 10, QChar('0'))
                                 .arg(s == 1 ? "medium" : "little (shown twice as large)"));
                for (int suit = 0; suit < 4; ++suit) {
                    for (int rank = 1; rank <= 13; ++rank)
                        flow.Place(DrawFace(size, cardSet, suit, rank), s == 2 ? 2 : 1);
                    flow.NewLine();
                }
            }
        }
        flow.Heading("Jokers, backs (big, medium Plaiting 1, little twice as large)");
        for (const CardSizeSpec& size : tindle::kCardSizes)
            flow.Place(DrawJoker(size), size.letter == 'L' ? 2 : 1);
        for (const auto& back : tindle::kCardBacks)
            flow.Place(Bitmap(out, tindle::CardBackName('B', back.code)));
        flow.Place(Bitmap(out, tindle::CardBackName('M', tindle::kOwnMediumBack)));
        flow.NewLine();
        for (const auto& back : tindle::kCardBacks)
            flow.Place(Bitmap(out, tindle::CardBackName('L', back.code)), 2);
        flow.Heading("Marks of empty piles (big, medium, little), in load order, then 021");
        for (const CardSizeSpec& size : tindle::kCardSizes) {
            for (auto code : tindle::AllMarkCodes())
                flow.Place(Bitmap(out, tindle::MarkName(size.letter, code)),
                           size.letter == 'L' ? 2 : 1);
            flow.NewLine();
        }
        flow.Heading(
            "Marks over other grounds: green, blue, Meadow, near black; then each size "
            "on a fade, white and Parquet");
        PlaceMarksOnGrounds(flow, out);
        flow.Heading("Stock thickness, shadow, fanned column");
        for (const CardSizeSpec& size : tindle::kCardSizes)
            flow.Place(InUse(out, size));
        flow.Heading("Backgrounds, each tile repeated 2 x 2");
        for (const auto& background : tindle::kBackgroundPictures)
            flow.Place(Tiled(Bitmap(out, tindle::BackgroundName(background.code))));
        flow.Heading("Toolbars (large, small; enabled, disabled)");
        flow.Place(Toolbar(out, true, true));
        flow.Place(Toolbar(out, true, false));
        flow.Place(Toolbar(out, false, true));
        flow.Place(Toolbar(out, false, false));
        flow.Heading("Tree icons (twice as large), rating pictures, suits");
        for (const auto& name : tindle::TreeImageListNames())
            flow.Place(OnWhite(Bitmap(out, name)), 2);
        flow.NewLine();
        for (const auto* family :
             {tindle::kGameTimePictures.data(), tindle::kDifficultyPictures.data()})
            for (int i = 0; i < 3; ++i)
                flow.Place(OnWhite(Bitmap(out, std::string(family[i]))), 2);
        for (const auto* family : {tindle::kSkillPictures.data(), tindle::kWinningPictures.data()})
            for (int i = 0; i < 5; ++i)
                flow.Place(OnWhite(Bitmap(out, std::string(family[i]))), 2);
        for (auto name : tindle::kSuitPictures)
            flow.Place(Bitmap(out, std::string(name)), 3);
        flow.Heading("Cursors (twice as large, hot spot marked), advice pictures, Freeware, icon");
        for (const auto& cursor : tindle::kCursors) {
            auto it = out.Cursors().find(std::string(cursor.name));
            if (it == out.Cursors().end()) continue;
            QImage c = OnWhite(it->second, 0);
            c.setPixelColor(it->second.text("HotSpotX").toInt(),
                            it->second.text("HotSpotY").toInt(), QColor(255, 0, 255));
            flow.Place(c, 2);
        }
        flow.NewLine();
        for (auto name : tindle::kAdvicePictures)
            flow.Place(OnWhite(Bitmap(out, std::string(name))));
        flow.Place(OnWhite(Bitmap(out, std::string(tindle::kFreewarePicture))));
        flow.Place(Bitmap(out, std::string(tindle::kIconPicture)));
        flow.Place(Bitmap(out, std::string(tindle::kSmallIconPicture)));
        flow.Heading("Splash");
        flow.Place(Bitmap(out, std::string(tindle::kSplashPicture)));
        bottom = flow.Bottom();
    }
    return sheet.copy(0, 0, kSheetWidth, bottom + 8).save(file, "PNG");
}

}  // namespace gen
