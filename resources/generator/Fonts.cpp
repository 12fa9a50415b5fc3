#include <QFontDatabase>
#include <QStringList>

#include <cstdio>

#include "Generator.h"

namespace gen {

namespace {
QString g_family;
}

void LoadFonts() {
    const char* files[] = {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                           "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};
    for (const char* file : files) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id < 0) {
            std::fprintf(stderr,
                         "resource generator: warning: %s not found, lettering uses the "
                         "default font\n",
                         file);
            continue;
        }
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) g_family = families.first();
    }
}

QFont DisplayFont(double pixelSize, bool bold) {
    QFont font(g_family.isEmpty() ? QString("Sans") : g_family);
    font.setPixelSize(static_cast<int>(pixelSize + 0.5));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace gen
