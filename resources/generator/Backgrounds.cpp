// Background tiles. Every tile repeats without a seam by construction: noise comes from
// lattices that wrap at the tile's edge, and every shape that crosses an edge is drawn again
// one tile width or height further on the other side.

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <functional>

#include "Generator.h"
#include "Output.h"
#include "Paint.h"
#include "Random.h"
#include "table/ResourceNames.h"

namespace gen {

namespace {

double Clamp01(double v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

QColor Shade(const QColor& c, double f) {
    auto ch = [f](int v) { return std::clamp(static_cast<int>(v * f + 0.5), 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

// Fills every pixel from a function of its position.
QImage PerPixel(int size, const std::function<QRgb(int, int)>& f) {
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x)
            line[x] = f(x, y);
    }
    return image;
}

// Draws the shape at the offsets that make it wrap around the tile.
void Wrapped(QPainter& p, int size, const std::function<void(QPainter&)>& draw) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * size, dy * size);
            draw(p);
            p.restore();
        }
}

// Adds a fine grain of wrapping noise, strength in brightness fraction.
void Grain(QImage& image, double strength, uint64_t seed) {
    const int size = image.width();
    TileNoise noise(size, size / 2, 1, seed);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double f = 1 + (noise.Sample(x, y) - 0.5) * 2 * strength;
            line[x] = Shade(QColor(line[x]), f).rgb();
        }
    }
}

// --- 102 Moquette: a small woven carpet motif in deep red and green ---------------------

QImage Moquette() {
    const int size = 64;
    QImage image = NewImage(size, size, QColor(24, 70, 52));
    {
        Painter p(&image);
        Wrapped(p, size, [](QPainter& q) {
            QPainterPath diamond;
            diamond.moveTo(32, 6);
            diamond.lineTo(58, 32);
            diamond.lineTo(32, 58);
            diamond.lineTo(6, 32);
            diamond.closeSubpath();
            q.fillPath(diamond, QColor(120, 28, 36));
            QPainterPath inner;
            inner.moveTo(32, 18);
            inner.lineTo(46, 32);
            inner.lineTo(32, 46);
            inner.lineTo(18, 32);
            inner.closeSubpath();
            q.fillPath(inner, QColor(196, 150, 64));
            QPainterPath corner;
            corner.addEllipse(QPointF(0, 0), 6, 6);
            q.fillPath(corner, QColor(196, 150, 64));
            q.fillPath(corner.translated(64, 0), QColor(196, 150, 64));
            q.fillPath(corner.translated(0, 64), QColor(196, 150, 64));
            q.fillPath(corner.translated(64, 64), QColor(196, 150, 64));
            q.fillRect(QRectF(30, 30, 4, 4), QColor(24, 70, 52));
        });
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    // Pile texture: tiny vertical tufts.
    Rng rng(102);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double f = ((x + y) % 2 ? 0.9 : 1.04) * rng.Range(0.93, 1.07);
            line[x] = Shade(QColor(line[x]), f).rgb();
        }
    }
    return image;
}

// --- 263 Marble 1: grey-green marble with dark veins --------------------------------

QImage Marble() {
    const int size = 256;
    TileNoise noise(size, 4, 5, 263);
    TileNoise cloud(size, 2, 4, 2630);
    return PerPixel(size, [&](int x, int y) {
        const double turbulence = noise.Sample(x, y, 0.55);
        // Veins: sines across the tile (whole periods, so they wrap) bent by the noise; a
        // broad soft vein and a fine dark one in another direction.
        const double broad = std::sin((x + y) * 2 * M_PI * 2 / size + turbulence * 6);
        const double fine = std::sin((x - 2 * y) * 2 * M_PI / size + cloud.Sample(x, y) * 5);
        const double soft = std::pow(1 - std::abs(broad), 3) * 0.22;
        const double thin = std::pow(1 - std::abs(fine), 28) * 0.4;
        const double base = 0.74 + (noise.Sample(x * 2, y * 2) - 0.5) * 0.22;
        const double v = Clamp01(base - soft - thin);
        return qRgb(int(v * 196 + 10), int(v * 212 + 12), int(v * 198 + 8));
    });
}

// --- 277 Leaves: autumn leaves on dark soil -------------------------------------------

QPainterPath Leaf(double length) {
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.35, length * 0.75, -length * 0.3, length, 0);
    leaf.cubicTo(length * 0.75, length * 0.3, length * 0.3, length * 0.35, 0, 0);
    return leaf;
}

QImage Leaves() {
    const int size = 256;
    TileNoise soil(size, 8, 3, 277);
    QImage image = PerPixel(size, [&](int x, int y) {
        const double n = soil.Sample(x, y);
        return qRgb(int(48 + n * 30), int(34 + n * 22), int(20 + n * 12));
    });
    {
        Painter p(&image);
        Rng rng(2770);
        const QColor tones[] = {QColor(196, 84, 24),  QColor(220, 150, 30), QColor(150, 40, 20),
                                QColor(120, 140, 40), QColor(200, 110, 40), QColor(170, 60, 30)};
        for (int i = 0; i < 70; ++i) {
            const double x = rng.Range(0, size), y = rng.Range(0, size);
            const double angle = rng.Range(0, 360), length = rng.Range(26, 46);
            const QColor color = Shade(tones[rng.Int(0, 5)], rng.Range(0.8, 1.1));
            Wrapped(p, size, [&](QPainter& q) {
                q.save();
                q.translate(x, y);
                q.rotate(angle);
                q.fillPath(Leaf(length).translated(2, 2), QColor(0, 0, 0, 60));
                QLinearGradient g(0, -length * 0.3, 0, length * 0.3);
                g.setColorAt(0, color.lighter(120));
                g.setColorAt(1, color.darker(130));
                q.fillPath(Leaf(length), g);
                QPainterPath vein;
                vein.moveTo(-length * 0.15, 0);
                vein.lineTo(length * 0.95, 0);
                for (double t : {0.3, 0.5, 0.7}) {
                    vein.moveTo(length * t, 0);
                    vein.lineTo(length * (t + 0.12), -length * 0.14);
                    vein.moveTo(length * t, 0);
                    vein.lineTo(length * (t + 0.12), length * 0.14);
                }
                q.strokePath(vein, QPen(color.darker(170), 1.0));
                q.restore();
            });
        }
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// --- 287 Metal gold: brushed gold ---------------------------------------------------

QImage MetalGold() {
    const int size = 128;
    // Brushing: lattices with few cells across and many down give long horizontal streaks.
    std::vector<PeriodicNoise> streaks;
    for (int k = 0; k < 3; ++k)
        streaks.emplace_back(1 << k, 32 << k, 287 + k);
    PeriodicNoise fine(64, 2871);
    return PerPixel(size, [&](int x, int y) {
        double s = 0, total = 0, amplitude = 1;
        for (const PeriodicNoise& n : streaks) {
            s +=
                amplitude * n.Sample(x * double(n.Period()) / size, y * double(n.PeriodY()) / size);
            total += amplitude;
            amplitude *= 0.6;
        }
        s /= total;
        const double sheen = 0.5 + 0.5 * std::sin(2 * M_PI * (x + y) / size);
        const double f =
            0.78 + s * 0.32 + sheen * 0.12 + (fine.Sample(x * 0.5, y * 0.5) - 0.5) * 0.06;
        return QColor(std::clamp(int(196 * f), 0, 255), std::clamp(int(156 * f), 0, 255),
                      std::clamp(int(64 * f), 0, 255))
            .rgb();
    });
}

// --- 296 Moquette 1: soft blue felt with a scattered fleck --------------------------

QImage Moquette1() {
    const int size = 128;
    TileNoise felt(size, 16, 3, 296);
    TileNoise fleck(size, 64, 1, 2961);
    return PerPixel(size, [&](int x, int y) {
        const double n = felt.Sample(x, y);
        const double f = fleck.Sample(x, y);
        const double spot = f > 0.8 ? (f - 0.8) * 2 : 0;
        return qRgb(int(30 + n * 26 + spot * 60), int(44 + n * 30 + spot * 60),
                    int(92 + n * 46 + spot * 40));
    });
}

// --- 302 Pattern 1: interlaced rings (a quatrefoil lattice) -------------------------

QImage Pattern1() {
    const int size = 96;
    QImage image = NewImage(size, size, QColor(46, 62, 90));
    {
        Painter p(&image);
        Wrapped(p, size, [](QPainter& q) {
            for (int i = 0; i < 2; ++i)
                for (int j = 0; j < 2; ++j) {
                    const QPointF c(i * 48 + ((j % 2) ? 24 : 0), j * 48);
                    q.setPen(QPen(QColor(212, 178, 96), 3));
                    q.setBrush(Qt::NoBrush);
                    q.drawEllipse(c, 24, 24);
                    q.setPen(QPen(QColor(120, 98, 52), 1));
                    q.drawEllipse(c, 20, 20);
                }
            QPainterPath dot;
            dot.addEllipse(QPointF(24, 24), 4, 4);
            q.fillPath(dot, QColor(170, 60, 60));
            q.fillPath(dot.translated(48, 48), QColor(170, 60, 60));
            q.fillPath(dot.translated(48, 0), QColor(60, 120, 150));
            q.fillPath(dot.translated(0, 48), QColor(60, 120, 150));
        });
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    Grain(image, 0.05, 302);
    return image;
}

// --- 304 Brick wall 1 ----------------------------------------------------------------

QImage BrickWall() {
    const int size = 256;
    const int rows = 8, columns = 4;  // bricks 64 x 32, mortar 4
    const double bw = size / double(columns), bh = size / double(rows);
    TileNoise grain(size, 32, 2, 304);
    TileNoise stain(size, 4, 3, 3041);
    Rng rng(3040);
    std::vector<double> tint(rows * columns);
    for (double& t : tint)
        t = rng.Range(0.82, 1.12);
    return PerPixel(size, [&](int x, int y) {
        const int row = int(y / bh);
        const double shift = (row % 2) ? bw / 2 : 0;
        const double bx = std::fmod(x + shift, double(size));
        const int column = int(bx / bw);
        const double lx = bx - column * bw, ly = y - row * bh;
        const double g = grain.Sample(x, y), st = stain.Sample(x, y);
        const bool mortar = lx < 4 || ly < 4;
        if (mortar) {
            const double f = 0.85 + g * 0.3;
            return qRgb(int(176 * f), int(168 * f), int(150 * f));
        }
        // Edges of a brick a little darker, as if worn.
        const double edge = std::min({lx - 4, bw - lx, ly - 4, bh - ly});
        const double wear = edge < 2 ? 0.85 : 1.0;
        const double f = tint[row * columns + column] * (0.82 + g * 0.3) * (0.9 + st * 0.2) * wear;
        return qRgb(std::clamp(int(160 * f), 0, 255), std::clamp(int(72 * f), 0, 255),
                    std::clamp(int(50 * f), 0, 255));
    });
}

// --- 311 Parquet: herring-bone-like basket of oak blocks -----------------------------

QImage Parquet() {
    const int size = 128;
    const int block = 32, plank = 8;  // each block holds four planks
    TileNoise grain(size, 4, 3, 311);
    Rng rng(3110);
    std::vector<double> tone(16 * 4);
    for (double& t : tone)
        t = rng.Range(0.86, 1.1);
    return PerPixel(size, [&](int x, int y) {
        const int bx = x / block, by = y / block;
        const bool horizontal = (bx + by) % 2 == 0;
        const int lx = x % block, ly = y % block;
        const int index = horizontal ? ly / plank : lx / plank;
        const double along = horizontal ? x : y, across = horizontal ? ly % plank : lx % plank;
        // Wood grain: stretched noise plus rings.
        const double n = horizontal ? grain.Sample(x * 0.25, y * 4) : grain.Sample(x * 4, y * 0.25);
        const double rings = 0.5 + 0.5 * std::sin(along * 0.12 + n * 14 + index * 2);
        double f = tone[(by * 4 + bx) * 4 + index] * (0.82 + rings * 0.16 + n * 0.1);
        if (across == 0) f *= 0.62;  // the joint between planks
        if (horizontal ? lx == 0 : ly == 0) f *= 0.62;
        return qRgb(std::clamp(int(190 * f), 0, 255), std::clamp(int(128 * f), 0, 255),
                    std::clamp(int(70 * f), 0, 255));
    });
}

// --- 324 Meadow: grass with a few flowers ------------------------------------------

QImage Meadow() {
    const int size = 256;
    TileNoise ground(size, 8, 3, 324);
    QImage image = PerPixel(size, [&](int x, int y) {
        const double n = ground.Sample(x, y);
        return qRgb(int(40 + n * 30), int(92 + n * 40), int(28 + n * 16));
    });
    {
        Painter p(&image);
        Rng rng(3240);
        for (int i = 0; i < 900; ++i) {
            const double x = rng.Range(0, size), y = rng.Range(0, size);
            const double length = rng.Range(8, 20), lean = rng.Range(-6, 6);
            const QColor color(int(rng.Range(50, 110)), int(rng.Range(120, 190)),
                               int(rng.Range(30, 70)));
            Wrapped(p, size, [&](QPainter& q) {
                QPainterPath blade;
                blade.moveTo(x - 1.2, y);
                blade.quadTo(x + lean * 0.3, y - length * 0.6, x + lean, y - length);
                blade.quadTo(x + lean * 0.3 + 0.6, y - length * 0.6, x + 1.2, y);
                blade.closeSubpath();
                q.fillPath(blade, color);
            });
        }
        const QColor petals[] = {QColor(255, 255, 255), QColor(250, 220, 60),
                                 QColor(230, 120, 200)};
        for (int i = 0; i < 26; ++i) {
            const double x = rng.Range(0, size), y = rng.Range(0, size);
            const QColor color = petals[rng.Int(0, 2)];
            Wrapped(p, size, [&](QPainter& q) {
                for (int k = 0; k < 5; ++k) {
                    const double a = k * 2 * M_PI / 5;
                    QPainterPath petal;
                    petal.addEllipse(QPointF(x + 2.4 * std::cos(a), y + 2.4 * std::sin(a)), 1.9,
                                     1.9);
                    q.fillPath(petal, color);
                }
                QPainterPath heart;
                heart.addEllipse(QPointF(x, y), 1.4, 1.4);
                q.fillPath(heart, QColor(240, 190, 40));
            });
        }
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void AddBackgrounds(Output& out) {
    const std::pair<int, std::function<QImage()>> makers[] = {
        {102, Moquette}, {263, Marble},    {277, Leaves},  {287, MetalGold}, {296, Moquette1},
        {302, Pattern1}, {304, BrickWall}, {311, Parquet}, {324, Meadow}};
    for (const auto& [number, make] : makers)
        out.AddBitmap(tindle::BackgroundName(number), make());
}

}  // namespace gen
