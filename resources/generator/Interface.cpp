// Interface pictures: toolbar glyphs, the open-a-game dialog's tree icons and rating
// meters, the "Freeware" panel, the advice pictures, the splash and the program icon (drawn
// in ProgramIcon.cpp).

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <map>

#include "Cards.h"
#include "Generator.h"
#include "Icons.h"
#include "Output.h"
#include "Paint.h"
#include "ProgramIcon.h"
#include "Shapes.h"
#include "table/ResourceNames.h"

namespace gen {

namespace {

using tindle::ToolbarCommand;

const QColor kBlueLight(96, 160, 250), kBlueDark(26, 86, 200);
const QColor kInkDark(40, 44, 56);

QPainterPath Circle(double cx, double cy, double r) {
    QPainterPath e;
    e.addEllipse(QPointF(cx, cy), r, r);
    return e;
}

// --- Toolbar glyphs, drawn in a 32 x 32 design box --------------------------------------

// A curved arrow turning back to the left (Undo); mirrored for Redo.
void CurvedArrow(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(10, 12);
    arc.cubicTo(22, 8, 29, 14, 28, 21);
    arc.cubicTo(27, 26, 22, 28, 17, 28);
    QPainterPath body = StrokeOutline(arc, 4.6);
    QPainterPath head;
    head.moveTo(2, 12.5);
    head.lineTo(13, 4);
    head.lineTo(13, 21);
    head.closeSubpath();
    body.addPath(head);
    body.setFillRule(Qt::WindingFill);
    body = body.simplified();
    QLinearGradient g(0, 4, 0, 28);
    g.setColorAt(0, kBlueLight);
    g.setColorAt(1, kBlueDark);
    p.fillPath(body, g);
    p.strokePath(body, QPen(QColor(16, 56, 140), 1.0));
    p.restore();
}

void Sparkle(QPainter& p, QPointF c, double r) {
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4 - M_PI / 2;
        const double rr = i % 2 ? r * 0.28 : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.fillPath(star, QColor(255, 206, 40));
    p.strokePath(star, QPen(QColor(190, 130, 0), 0.8));
}

void DrawGlyph(QPainter& p, ToolbarCommand command) {
    switch (command) {
        case ToolbarCommand::New:
            MiniCard(p, QRectF(5, 7, 15, 21), MiniFace::Back, -14, 1.2);
            MiniCard(p, QRectF(12, 6, 15, 21), MiniFace::Red, 8, 1.2);
            Sparkle(p, QPointF(25, 7), 6.5);
            break;
        case ToolbarCommand::Open:
            MiniCard(p, QRectF(12, 3, 13, 18), MiniFace::Black, 12, 1.2);
            Folder(p, QRectF(2, 8, 28, 21), true);
            break;
        case ToolbarCommand::Undo:
            CurvedArrow(p, false);
            break;
        case ToolbarCommand::Redo:
            CurvedArrow(p, true);
            break;
        case ToolbarCommand::Autoplay: {
            MiniCard(p, QRectF(3, 4, 16, 22), MiniFace::Red, -8, 1.2);
            QPainterPath circle = Circle(21, 20, 9.5);
            QLinearGradient g(0, 10, 0, 30);
            g.setColorAt(0, QColor(90, 210, 110));
            g.setColorAt(1, QColor(20, 140, 50));
            p.fillPath(circle, g);
            p.strokePath(circle, QPen(QColor(10, 100, 30), 1.0));
            QPainterPath play;
            play.moveTo(18, 14.5);
            play.lineTo(26.5, 20);
            play.lineTo(18, 25.5);
            play.closeSubpath();
            p.fillPath(play, QColor(255, 255, 255));
            break;
        }
        case ToolbarCommand::Rules: {
            QPainterPath cover;
            cover.addRoundedRect(QRectF(5, 3, 22, 26), 2.5, 2.5);
            QLinearGradient g(5, 0, 27, 0);
            g.setColorAt(0, QColor(30, 90, 190));
            g.setColorAt(1, QColor(70, 140, 240));
            p.fillPath(cover, g);
            p.strokePath(cover, QPen(QColor(16, 56, 140), 1.0));
            p.fillRect(QRectF(8, 5.5, 2, 21), QColor(255, 255, 255, 90));
            // A question mark on the cover.
            QPainterPath mark;
            mark.moveTo(13, 11.5);
            mark.cubicTo(13, 7.5, 22, 7.5, 22, 11.5);
            mark.cubicTo(22, 15, 17.5, 15, 17.5, 19);
            p.strokePath(
                mark, QPen(QColor(255, 255, 255), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.fillPath(Circle(17.5, 23.5, 1.7), QColor(255, 255, 255));
            break;
        }
        case ToolbarCommand::Exit: {
            QPainterPath door;
            door.addRect(QRectF(5, 3, 15, 26));
            QLinearGradient g(5, 0, 20, 0);
            g.setColorAt(0, QColor(170, 110, 60));
            g.setColorAt(1, QColor(120, 70, 30));
            p.fillPath(door, g);
            p.strokePath(door, QPen(QColor(80, 44, 16), 1.0));
            p.fillPath(Circle(16.5, 16, 1.4), QColor(250, 210, 80));
            QPainterPath arrow;
            arrow.moveTo(13, 14);
            arrow.lineTo(22, 14);
            arrow.lineTo(22, 9.5);
            arrow.lineTo(30, 16);
            arrow.lineTo(22, 22.5);
            arrow.lineTo(22, 18);
            arrow.lineTo(13, 18);
            arrow.closeSubpath();
            p.fillPath(arrow, QColor(220, 40, 40));
            p.strokePath(arrow, QPen(QColor(140, 10, 10), 1.0));
            break;
        }
    }
}

QImage Glyph(ToolbarCommand command, int side) {
    QImage image = NewImage(side, side);
    Painter p(&image);
    p.scale(side / 32.0, side / 32.0);
    DrawGlyph(p, command);
    return image;
}

// --- Tree icons, drawn in a 16 x 16 box ------------------------------------------------

using IconDraw = std::function<void(QPainter&)>;

void Emblem(QPainter& p, const std::string& kind) {
    if (kind == "star") {
        Sparkle(p, QPointF(11.5, 11), 4.6);
    } else if (kind == "clock") {
        p.fillPath(Circle(11, 11, 4.3), QColor(255, 255, 255));
        p.strokePath(Circle(11, 11, 4.3), QPen(kInkDark, 0.9));
        QPainterPath hands;
        hands.moveTo(11, 8.2);
        hands.lineTo(11, 11);
        hands.lineTo(13, 12);
        p.strokePath(hands, QPen(kInkDark, 0.9));
    } else if (kind == "gauge") {
        QPainterPath arc;
        arc.moveTo(6.5, 13.5);
        arc.arcTo(QRectF(6.5, 8, 9, 9), 180, -180);
        p.strokePath(arc, QPen(QColor(200, 40, 40), 1.8));
        p.strokePath(QPainterPath(QPointF(11, 12.5)), QPen(kInkDark, 1));
        QPainterPath needle;
        needle.moveTo(11, 12.5);
        needle.lineTo(13.5, 9.5);
        p.strokePath(needle, QPen(kInkDark, 1.1, Qt::SolidLine, Qt::RoundCap));
    } else if (kind == "target") {
        p.fillPath(Circle(11, 11, 4.3), QColor(255, 255, 255));
        p.strokePath(Circle(11, 11, 4.3), QPen(QColor(200, 40, 40), 1.0));
        p.fillPath(Circle(11, 11, 1.8), QColor(200, 40, 40));
    } else if (kind == "gear") {
        QPainterPath gear;
        for (int i = 0; i < 8; ++i) {
            QTransform t;
            t.translate(11, 11);
            t.rotate(i * 45);
            QPainterPath tooth;
            tooth.addRect(QRectF(-1, -5, 2, 2.5));
            gear.addPath(t.map(tooth));
        }
        gear.addEllipse(QPointF(11, 11), 3.6, 3.6);
        gear.setFillRule(Qt::WindingFill);
        gear = gear.simplified();
        gear.addEllipse(QPointF(11, 11), 1.4, 1.4);
        gear.setFillRule(Qt::OddEvenFill);
        p.fillPath(gear, QColor(110, 116, 130));
    } else if (kind == "info") {
        p.fillPath(Circle(11, 11, 4.3), QColor(40, 110, 220));
        p.fillRect(QRectF(10.3, 10, 1.6, 3.6), QColor(255, 255, 255));
        p.fillPath(Circle(11.1, 8.3, 0.9), QColor(255, 255, 255));
    }
}

IconDraw FolderIcon(bool open, const std::string& emblem = {}) {
    return [open, emblem](QPainter& p) {
        Folder(p, QRectF(0.5, 1.5, 15, 12.5), open);
        if (!emblem.empty()) Emblem(p, emblem);
    };
}

void Columns(QPainter& p, const std::vector<int>& heights, double top, MiniFace face) {
    const double w = 16.0 / heights.size();
    for (size_t i = 0; i < heights.size(); ++i)
        for (int k = 0; k < heights[i]; ++k)
            MiniCard(p, QRectF(i * w + 0.3, top + k * 2, w - 0.6, 6),
                     k + 1 == heights[i] ? face : MiniFace::Back, 0, 0.6);
}

std::map<std::string, IconDraw> TypeIconDrawers() {
    std::map<std::string, IconDraw> d;
    d["TREE5_CANFIELD_TYPE"] = [](QPainter& p) {
        for (int k = 0; k < 3; ++k)
            MiniCard(p, QRectF(1 + k, 2 + k, 7, 10), MiniFace::Back, 0, 0.6);
        MiniCard(p, QRectF(8, 5, 7, 10), MiniFace::Red, 0, 0.6);
    };
    d["TREE5_FORTYTHIEVES_TYPE"] = [](QPainter& p) {
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 4; ++c)
                MiniCard(p, QRectF(0.5 + c * 4, 2 + r * 6, 3.4, 5.5),
                         (r + c) % 2 ? MiniFace::Black : MiniFace::Red, 0, 0.5);
    };
    d["TREE5_FREECELL_TYPE"] = [](QPainter& p) {
        for (int c = 0; c < 4; ++c) {
            p.setPen(QPen(QColor(40, 120, 60), 0.8));
            p.setBrush(QColor(210, 240, 215));
            p.drawRect(QRectF(0.5 + c * 4, 0.5, 3.2, 4.5));
        }
        Columns(p, {3, 3, 3, 3}, 7, MiniFace::Red);
    };
    d["TREE5_KLONDIKE_TYPE"] = [](QPainter& p) { Columns(p, {1, 2, 3, 4}, 3, MiniFace::Red); };
    d["TREE5_PAIRING_TYPE"] = [](QPainter& p) {
        MiniCard(p, QRectF(1, 3, 8, 11), MiniFace::Red, -10, 0.7);
        MiniCard(p, QRectF(7, 2, 8, 11), MiniFace::Red, 10, 0.7);
    };
    d["TREE5_SIMPLEGAMES_TYPE"] = [](QPainter& p) {
        MiniCard(p, QRectF(3, 1, 10, 14), MiniFace::Red, 0, 0.8);
    };
    d["TREE5_SPIDER_TYPE"] = [](QPainter& p) {
        QPainterPath legs;
        for (int s : {-1, 1})
            for (int k = 0; k < 4; ++k) {
                const double y = 5.5 + k * 2;
                legs.moveTo(8, 8.5);
                legs.lineTo(8 + s * 4, y - 1.5);
                legs.lineTo(8 + s * 7, y + 1.5);
            }
        p.strokePath(legs, QPen(QColor(30, 30, 36), 1.0));
        p.fillPath(Circle(8, 9.5, 3.2), QColor(30, 30, 36));
        p.fillPath(Circle(8, 5.5, 2.1), QColor(30, 30, 36));
        p.fillPath(Circle(8, 10, 1.0), QColor(210, 30, 40));
    };
    d["TREE5_1DECK_TYPE"] = [](QPainter& p) {
        MiniCard(p, QRectF(3, 1, 10, 14), MiniFace::Blank, 0, 0.8);
        p.fillPath(IndexGlyph('1', QPointF(6, 3.5), 9, 1.8), QColor(30, 80, 190));
    };
    d["TREE5_2DECK_TYPE"] = [](QPainter& p) {
        MiniCard(p, QRectF(1, 1, 9, 12.5), MiniFace::Back, 0, 0.7);
        MiniCard(p, QRectF(5.5, 2.5, 9.5, 13), MiniFace::Blank, 0, 0.8);
        p.fillPath(IndexGlyph('2', QPointF(7.3, 4.8), 8.5, 1.7), QColor(30, 80, 190));
    };
    d["TREE5_FAN_TYPE"] = [](QPainter& p) {
        for (int k = 0; k < 3; ++k) {
            p.save();
            p.translate(8, 14);
            p.rotate(-28 + k * 28);
            MiniCard(p, QRectF(-3.5, -12, 7, 10), k == 2 ? MiniFace::Red : MiniFace::Back, 0, 0.6);
            p.restore();
        }
    };
    d["TREE5_BAKERSDOZEN_TYPE"] = [](QPainter& p) {
        QPainterPath loaf;
        loaf.moveTo(1, 12);
        loaf.cubicTo(1, 3, 15, 3, 15, 12);
        loaf.lineTo(15, 13.5);
        loaf.lineTo(1, 13.5);
        loaf.closeSubpath();
        p.fillPath(loaf, QColor(214, 150, 70));
        p.strokePath(loaf, QPen(QColor(130, 80, 30), 0.8));
        QPainterPath cuts;
        for (double x : {5.0, 8.0, 11.0}) {
            cuts.moveTo(x - 1, 7);
            cuts.lineTo(x + 1, 10);
        }
        p.strokePath(cuts, QPen(QColor(250, 220, 160), 0.9));
    };
    d["TREE5_ROW_TYPE"] = [](QPainter& p) {
        for (int c = 0; c < 4; ++c)
            MiniCard(p, QRectF(0.5 + c * 3.8, 4 + (c % 2), 4.5, 7),
                     c % 2 ? MiniFace::Black : MiniFace::Red, 0, 0.5);
    };
    d["TREE5_PUZZLE_TYPE"] = [](QPainter& p) {
        QPainterPath piece;
        piece.addRect(QRectF(2, 4, 10, 10));
        piece.addEllipse(QPointF(7, 3.5), 2.4, 2.4);
        piece.addEllipse(QPointF(12.5, 9), 2.4, 2.4);
        piece.setFillRule(Qt::WindingFill);
        piece = piece.simplified();
        p.fillPath(piece, QColor(60, 170, 90));
        p.strokePath(piece, QPen(QColor(20, 100, 40), 0.8));
    };
    d["TREE5_ADDITION_TYPE"] = [](QPainter& p) {
        p.fillPath(Circle(8, 8, 7), QColor(40, 120, 220));
        QPainterPath plus;
        plus.moveTo(8, 4);
        plus.lineTo(8, 12);
        plus.moveTo(4, 8);
        plus.lineTo(12, 8);
        p.strokePath(plus, QPen(QColor(255, 255, 255), 2.0));
    };
    d["TREE5_MEMORY_TYPE"] = [](QPainter& p) {
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c)
                MiniCard(p, QRectF(1.5 + c * 7, 1 + r * 7.5, 6, 7),
                         r == 0 && c == 1 ? MiniFace::Red : MiniFace::Back, 0, 0.5);
    };
    d["TREE5_BELEAGUEREDCASTLE_TYPE"] = [](QPainter& p) {
        QPainterPath castle;
        castle.moveTo(2, 15);
        castle.lineTo(2, 4);
        for (int k = 0; k < 3; ++k) {
            castle.lineTo(2 + k * 4.5, 2);
            castle.lineTo(4.2 + k * 4.5, 2);
            castle.lineTo(4.2 + k * 4.5, 4);
            castle.lineTo(6.5 + k * 4.5, 4);
        }
        castle.lineTo(14, 2);
        castle.lineTo(14, 15);
        castle.closeSubpath();
        p.fillPath(castle, QColor(150, 150, 160));
        p.strokePath(castle, QPen(QColor(70, 70, 80), 0.8));
        QPainterPath gate;
        gate.moveTo(6, 15);
        gate.lineTo(6, 10);
        gate.arcTo(QRectF(6, 8, 4, 4), 180, -180);
        gate.lineTo(10, 15);
        p.fillPath(gate, QColor(70, 50, 40));
    };
    d["TREE5_QUEENOFITALY_TYPE"] = [](QPainter& p) {
        QPainterPath crown;
        crown.moveTo(2, 13);
        crown.lineTo(1, 4);
        crown.lineTo(5, 8);
        crown.lineTo(8, 2);
        crown.lineTo(11, 8);
        crown.lineTo(15, 4);
        crown.lineTo(14, 13);
        crown.closeSubpath();
        p.fillPath(crown, QColor(240, 190, 40));
        p.strokePath(crown, QPen(QColor(150, 100, 0), 0.8));
        p.fillPath(Circle(8, 10.5, 1.4), QColor(210, 30, 40));
    };
    d["TREE5_YUKON_TYPE"] = [](QPainter& p) {
        QPainterPath m;
        m.moveTo(0.5, 14);
        m.lineTo(6, 3);
        m.lineTo(9, 8);
        m.lineTo(11, 5);
        m.lineTo(15.5, 14);
        m.closeSubpath();
        p.fillPath(m, QColor(90, 110, 150));
        QPainterPath snow;
        snow.moveTo(4.2, 6.6);
        snow.lineTo(6, 3);
        snow.lineTo(7.8, 6.6);
        snow.lineTo(6, 5.8);
        snow.closeSubpath();
        p.fillPath(snow, QColor(255, 255, 255));
    };
    d["TREE5_MATHEMATICAL_TYPE"] = [](QPainter& p) {
        QPainterPath box;
        box.addRoundedRect(QRectF(1.5, 1, 13, 14), 2, 2);
        p.fillPath(box, QColor(70, 80, 100));
        p.fillRect(QRectF(3, 2.5, 10, 3.5), QColor(190, 230, 200));
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                p.fillRect(QRectF(3 + c * 3.6, 7.5 + r * 3.5, 2.6, 2.4), QColor(240, 240, 240));
    };
    d["TREE5_SIRTOMMY_TYPE"] = [](QPainter& p) {
        p.fillRect(QRectF(4.5, 2, 7, 9), QColor(30, 30, 36));
        p.fillRect(QRectF(4.5, 8, 7, 1.6), QColor(200, 30, 40));
        QPainterPath brim;
        brim.addRoundedRect(QRectF(1, 11, 14, 2.5), 1.2, 1.2);
        p.fillPath(brim, QColor(30, 30, 36));
    };
    d["TREE5_NONBUILDERS_TYPE"] = [](QPainter& p) {
        MiniCard(p, QRectF(3, 1, 10, 14), MiniFace::Black, 0, 0.8);
        QPainterPath slash;
        slash.moveTo(2.5, 14);
        slash.lineTo(13.5, 2);
        p.strokePath(slash, QPen(QColor(210, 30, 40), 1.8, Qt::SolidLine, Qt::RoundCap));
    };
    d["TREE5_CUSTOMIZED_GAMES"] = [](QPainter& p) {
        QPainterPath wrench;
        wrench.addEllipse(QPointF(11, 5), 4, 4);
        QPainterPath handle;
        handle.moveTo(10, 6);
        handle.lineTo(2.5, 13.5);
        wrench.addPath(StrokeOutline(handle, 3.0));
        wrench.setFillRule(Qt::WindingFill);
        wrench = wrench.simplified();
        QPainterPath jaw;
        jaw.addRect(QRectF(11, 1, 3.5, 3.5));
        wrench = wrench.subtracted(jaw);
        p.fillPath(wrench, QColor(120, 130, 150));
        p.strokePath(wrench, QPen(QColor(60, 66, 80), 0.7));
    };
    d["TREE5_ORIGINAL_TYPE"] = [](QPainter& p) {
        QPainterPath ribbon;
        ribbon.moveTo(5, 9);
        ribbon.lineTo(3, 15);
        ribbon.lineTo(6, 13.5);
        ribbon.lineTo(8, 15.5);
        ribbon.lineTo(10, 13.5);
        ribbon.lineTo(13, 15);
        ribbon.lineTo(11, 9);
        ribbon.closeSubpath();
        p.fillPath(ribbon, QColor(210, 40, 50));
        p.fillPath(Circle(8, 6.5, 5), QColor(240, 190, 40));
        p.strokePath(Circle(8, 6.5, 5), QPen(QColor(160, 110, 0), 0.8));
        Sparkle(p, QPointF(8, 6.5), 3);
    };
    return d;
}

std::map<std::string, IconDraw> TreeIconDrawers() {
    std::map<std::string, IconDraw> d = TypeIconDrawers();
    d["TREE1"] = FolderIcon(false);
    d["TREE2"] = FolderIcon(true);
    d["N_TREE3"] = [](QPainter& p) { MiniCard(p, QRectF(3, 1, 10, 14), MiniFace::Back, 0, 0.8); };
    d["N_TREE4"] = [](QPainter& p) { MiniCard(p, QRectF(3, 1, 10, 14), MiniFace::Red, 0, 0.8); };
    d["N_TREE5"] = [](QPainter& p) {
        QPainterPath frame;
        frame.addRoundedRect(QRectF(1, 2.5, 14, 11), 1.5, 1.5);
        QLinearGradient g(0, 2.5, 0, 13.5);
        g.setColorAt(0, QColor(120, 190, 250));
        g.setColorAt(1, QColor(60, 150, 70));
        p.fillPath(frame, g);
        p.strokePath(frame, QPen(QColor(60, 70, 90), 0.8));
        p.fillPath(Circle(11, 6, 1.6), QColor(255, 240, 150));
    };
    for (const char* folder : {"F", "S", "D", "C", "T", "I"}) {
        static const std::map<std::string, std::string> emblems{{"F", "star"},  {"S", "target"},
                                                                {"D", "gauge"}, {"C", "gear"},
                                                                {"T", "clock"}, {"I", "info"}};
        const std::string emblem = emblems.at(folder);
        d[std::string(folder) + "_TREE1"] = FolderIcon(false, emblem);
        d[std::string(folder) + "_TREE2"] = FolderIcon(true, emblem);
    }
    return d;
}

QImage TreeIcon(const std::map<std::string, IconDraw>& drawers, const std::string& name) {
    QImage image = NewImage(tindle::kTreeIconSize, tindle::kTreeIconSize);
    Painter p(&image);
    std::string base = name;
    int badge = 0;  // 1 won, 2 not won
    for (const auto& [suffix, kind] : {std::pair<std::string, int>{"_NOWIN", 2}, {"_WIN", 1}}) {
        if (base.size() > suffix.size() &&
            base.compare(base.size() - suffix.size(), suffix.size(), suffix) == 0) {
            base.resize(base.size() - suffix.size());
            badge = kind;
            break;
        }
    }
    auto it = drawers.find(base);
    if (it != drawers.end()) it->second(p);
    if (badge) Badge(p, QRectF(8.5, 8.5, 7, 7), badge == 1);
    return image;
}

// --- Rating meters ---------------------------------------------------------------------

QImage Meter(int filled, int total, const QColor& color) {
    QImage image = NewImage(tindle::kRatingWidth, tindle::kRatingHeight, QColor(255, 255, 255));
    Painter p(&image);
    const double gap = 2, w = (tindle::kRatingWidth - 2 - gap * (total - 1)) / total;
    for (int i = 0; i < total; ++i) {
        QPainterPath seg;
        seg.addRoundedRect(QRectF(1 + i * (w + gap), 2.5, w, 8), 2, 2);
        if (i < filled) {
            QLinearGradient g(0, 2.5, 0, 10.5);
            g.setColorAt(0, color.lighter(130));
            g.setColorAt(1, color);
            p.fillPath(seg, g);
            p.strokePath(seg, QPen(color.darker(140), 0.8));
        } else {
            p.fillPath(seg, QColor(228, 230, 234));
            p.strokePath(seg, QPen(QColor(196, 198, 204), 0.8));
        }
    }
    return image;
}

void AddRatings(Output& out) {
    const QColor green(40, 170, 70), amber(240, 170, 30), red(220, 50, 50), blue(50, 120, 220),
        purple(130, 80, 200);
    const QColor five[5] = {green, QColor(140, 190, 50), amber, QColor(240, 110, 40), red};
    // Game time: long fills the meter.
    for (int i = 0; i < 3; ++i)
        out.AddBitmap(std::string(tindle::kGameTimePictures[i]), Meter(3 - i, 3, blue));
    const QColor diff[3] = {green, amber, red};
    for (int i = 0; i < 3; ++i)
        out.AddBitmap(std::string(tindle::kDifficultyPictures[i]), Meter(i + 1, 3, diff[i]));
    // Skill: "Difficult" asks the most skill.
    for (int i = 0; i < 5; ++i)
        out.AddBitmap(std::string(tindle::kSkillPictures[i]), Meter(5 - i, 5, purple));
    // Chance of winning: very high is a full green meter, very low a short red one.
    for (int i = 0; i < 5; ++i)
        out.AddBitmap(std::string(tindle::kWinningPictures[i]), Meter(5 - i, 5, five[i]));
}

// --- Panels: Freeware, advice pictures, splash, icon ------------------------------------

void FannedCards(QPainter& p, QPointF pivot, double scale, const std::vector<QImage>& cards,
                 double spread) {
    const int n = static_cast<int>(cards.size());
    for (int i = 0; i < n; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate((i - (n - 1) / 2.0) * spread);
        p.scale(scale, scale);
        const QImage& c = cards[i];
        // A soft shadow, then the card.
        QPainterPath shadow;
        shadow.addRoundedRect(
            QRectF(-c.width() / 2.0 + 2, -c.height() * 1.0 + 2, c.width(), c.height()), 4, 4);
        p.fillPath(shadow, QColor(0, 0, 0, 50));
        p.drawImage(QPointF(-c.width() / 2.0, -c.height() * 1.0), c);
        p.restore();
    }
}

void Lettering(QPainter& p, const QRectF& box, const QString& text, double size, bool bold,
               const QColor& color, Qt::Alignment align, bool shadow = false) {
    QPainterPath path;
    const QFont font = DisplayFont(size, bold);
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    double x = box.left() - b.left();
    if (align & Qt::AlignHCenter) x = box.center().x() - b.center().x();
    if (align & Qt::AlignRight) x = box.right() - b.right();
    const double y = box.center().y() - b.center().y();
    path.translate(x, y);
    if (shadow) p.fillPath(path.translated(1.5, 2), QColor(0, 0, 0, 110));
    p.fillPath(path, color);
}

QImage FreewarePanel() {
    QImage image = NewImage(tindle::kFreewareWidth, tindle::kFreewareHeight, QColor(255, 255, 255));
    Painter p(&image);
    const tindle::CardSizeSpec big = tindle::kCardSizes[0];
    FannedCards(p, QPointF(110, 112), 0.82,
                {DrawFace(big, 1, 2, 1), DrawFace(big, 1, 0, 13), DrawFace(big, 1, 1, 12),
                 DrawFace(big, 1, 3, 11)},
                16);
    QPainterPath ribbon;
    ribbon.addRoundedRect(QRectF(18, 104, 184, 34), 8, 8);
    QLinearGradient g(0, 104, 0, 138);
    g.setColorAt(0, QColor(40, 160, 70));
    g.setColorAt(1, QColor(10, 110, 40));
    p.fillPath(ribbon, g);
    p.strokePath(ribbon, QPen(QColor(255, 255, 255), 2));
    Lettering(p, QRectF(18, 104, 184, 34), "Freeware", 23, true, QColor(255, 255, 255),
              Qt::AlignHCenter);
    return image;
}

void Monitor(QPainter& p, const QRectF& screen,
             const std::function<void(QPainter&, const QRectF&)>& content) {
    QPainterPath body;
    body.addRoundedRect(screen.adjusted(-5, -5, 5, 5), 4, 4);
    p.fillPath(body, QColor(70, 74, 86));
    p.save();
    p.setClipRect(screen);
    content(p, screen);
    p.restore();
    QPainterPath stand;
    stand.moveTo(screen.center().x() - 8, screen.bottom() + 5);
    stand.lineTo(screen.center().x() + 8, screen.bottom() + 5);
    stand.lineTo(screen.center().x() + 14, screen.bottom() + 14);
    stand.lineTo(screen.center().x() - 14, screen.bottom() + 14);
    stand.closeSubpath();
    p.fillPath(stand, QColor(110, 114, 126));
}

QImage AdviceColor() {
    QImage image = NewImage(tindle::kAdviceWidth, tindle::kAdviceHeight, QColor(255, 255, 255));
    Painter p(&image);
    Monitor(p, QRectF(10, 22, 76, 56), [](QPainter& q, const QRectF& s) {
        // A full spectrum: hue across, light to dark downwards.
        for (int x = 0; x < s.width(); ++x)
            for (int y = 0; y < s.height(); ++y) {
                const double v = 1.0 - 0.7 * y / s.height();
                q.fillRect(QRectF(s.left() + x, s.top() + y, 1, 1),
                           QColor::fromHsvF(double(x) / s.width(), 0.85, v));
            }
    });
    // A palette of 16 colour chips below.
    for (int i = 0; i < 8; ++i) {
        p.fillRect(QRectF(10 + i * 9.5, 102, 8, 8), QColor::fromHsv(i * 45, 200, 230));
        p.fillRect(QRectF(10 + i * 9.5, 112, 8, 8), QColor::fromHsv(i * 45, 230, 140));
    }
    return image;
}

QImage AdviceScreenSize() {
    QImage image = NewImage(tindle::kAdviceWidth, tindle::kAdviceHeight, QColor(255, 255, 255));
    Painter p(&image);
    Monitor(p, QRectF(10, 22, 76, 56), [](QPainter& q, const QRectF& s) {
        q.fillRect(s, QColor(0, 96, 0));
        const tindle::CardSizeSpec little = tindle::kCardSizes[2];
        for (int i = 0; i < 4; ++i)
            q.drawImage(QPointF(s.left() + 4 + i * 18, s.top() + 6), DrawBack(little, 11));
        q.drawImage(QPointF(s.left() + 4, s.top() + 22), DrawFace(little, 3, 0, 1));
        q.drawImage(QPointF(s.left() + 22, s.top() + 22), DrawFace(little, 3, 3, 13));
    });
    QPainterPath arrows;
    arrows.moveTo(12, 96);
    arrows.lineTo(84, 96);
    p.strokePath(arrows, QPen(QColor(40, 110, 220), 1.5));
    for (double x : {12.0, 84.0}) {
        QPainterPath head;
        const double d = x < 50 ? 1 : -1;
        head.moveTo(x, 96);
        head.lineTo(x + d * 5, 93);
        head.lineTo(x + d * 5, 99);
        head.closeSubpath();
        p.fillPath(head, QColor(40, 110, 220));
    }
    Lettering(p, QRectF(0, 102, 96, 20), "640x480", 14, true, QColor(40, 44, 56), Qt::AlignHCenter);
    return image;
}

QImage Splash() {
    QImage image = NewImage(tindle::kSplashWidth, tindle::kSplashHeight, QColor(0, 80, 0));
    Painter p(&image);
    Felt(p, QRectF(0, 0, tindle::kSplashWidth, tindle::kSplashHeight), 0);
    const tindle::CardSizeSpec big = tindle::kCardSizes[0];
    FannedCards(p, QPointF(132, 236), 1.22,
                {DrawBack(big, 11), DrawFace(big, 1, 2, 11), DrawFace(big, 1, 1, 12),
                 DrawFace(big, 1, 0, 13), DrawFace(big, 1, 3, 1)},
                15);
    Lettering(p, QRectF(250, 70, 210, 80), "Tindle", 62, true, QColor(255, 255, 255),
              Qt::AlignHCenter, true);
    Lettering(p, QRectF(250, 140, 210, 30), "Solitaire collection", 19, false,
              QColor(220, 240, 220), Qt::AlignHCenter, true);
    p.fillRect(QRectF(290, 178, 130, 1.5), QColor(240, 200, 90));
    Lettering(p, QRectF(250, 250, 210, 30), "Freeware version", 15, true, QColor(250, 214, 110),
              Qt::AlignRight, true);
    Lettering(p, QRectF(250, 270, 210, 22), "Version 5.20", 12, false, QColor(200, 225, 200),
              Qt::AlignRight);
    // A thin golden frame.
    p.setPen(QPen(QColor(240, 200, 90, 160), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5, 5, tindle::kSplashWidth - 10, tindle::kSplashHeight - 10));
    return image;
}

}  // namespace

void AddInterface(Output& out) {
    for (ToolbarCommand command : tindle::kToolbarCommands)
        for (bool large : {true, false}) {
            const QImage glyph =
                Glyph(command, large ? tindle::kLargeGlyphSize : tindle::kSmallGlyphSize);
            // The toolbar's glyphs are read while the main window is made, before its first
            // picture.
            out.AddUncompressedTranslucentBitmap(tindle::ToolbarGlyphName(command, large, true),
                                                 glyph);
            out.AddUncompressedTranslucentBitmap(tindle::ToolbarGlyphName(command, large, false),
                                                 Disabled(glyph));
        }
    const auto drawers = TreeIconDrawers();
    for (const std::string& name : tindle::TreeImageListNames())
        out.AddBitmap(name, TreeIcon(drawers, name));
    AddRatings(out);
    out.AddBitmap(std::string(tindle::kFreewarePicture), FreewarePanel());
    out.AddBitmap(std::string(tindle::kAdvicePictures[0]), AdviceColor());
    out.AddBitmap(std::string(tindle::kAdvicePictures[1]), AdviceScreenSize());
    // Shown before anything else, so stored uncompressed and opaque: it is read by a copy, in
    // the window's own pixel format, and the splash's first paint is a plain copy too.
    out.AddUncompressedBitmap(std::string(tindle::kSplashPicture), Splash());
    out.AddBitmap(std::string(tindle::kIconPicture), ProgramIcon(256));
    out.AddBitmap(std::string(tindle::kSmallIconPicture), ProgramIcon(32));
}

}  // namespace gen
