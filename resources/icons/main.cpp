// The program icon for the desktop's icon theme: the generator's drawing at every size the
// hicolor theme knows, and as a scalable picture.
//
//   tindle-icons <output folder> <icon name>
//
// writes <output folder>/<N>x<N>/apps/<icon name>.png for each size and
// <output folder>/scalable/apps/<icon name>.svg, the layout of share/icons/hicolor.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSvgGenerator>

#include <cstdio>

#include "Output.h"
#include "ProgramIcon.h"

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The size the scalable picture is designed at (the largest bitmap's).
constexpr int kDesignSide = 256;

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

bool WriteSvg(const QString& path, const QString& title) {
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(title);
    svg.setSize(QSize(kDesignSide, kDesignSide));
    svg.setViewBox(QRect(0, 0, kDesignSide, kDesignSide));
    QPainter p;
    if (!p.begin(&svg)) return false;
    p.setRenderHint(QPainter::Antialiasing, true);
    gen::DrawProgramIcon(p, kDesignSide);
    return p.end();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tindle-icons <output folder> <icon name>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool ok = true;
    for (int side : kSizes) {
        const QString path = QString("%1/%2x%2/apps/%3.png").arg(folder).arg(side).arg(name);
        ok = WriteBytes(path, gen::PngBytes(gen::ProgramIcon(side))) && ok;
    }
    ok = WriteSvg(folder + "/scalable/apps/" + name + ".svg", "Tindle") && ok;
    if (!ok) std::fprintf(stderr, "tindle-icons: cannot write the icons into %s\n", argv[1]);
    return ok ? 0 : 1;
}
