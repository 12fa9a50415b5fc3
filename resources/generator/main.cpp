// The resource generator: draws every picture and cursor and synthesises every sound of
// the resource library, writes them with the resource list zuv.qrc into the output folder
// (which rcc then packs into ZUV.RGF) and writes a contact sheet for review.
//
//   tindle-resgen <output folder> <preview.png>

#include <QGuiApplication>

#include <cstdio>

#include "Cards.h"
#include "Generator.h"
#include "Output.h"
#include "table/ResourceNames.h"

namespace {

// Every name the program asks for must have been made, with the size it expects.
bool CheckComplete(const gen::Output& out) {
    bool complete = true;
    for (const tindle::RequiredResource& r : tindle::RequiredResources()) {
        const std::string key = tindle::CanonicalResourceName(r.name);
        QSize size;
        bool found = false;
        if (r.kind == tindle::ResourceKind::Bitmap && out.Bitmaps().count(key)) {
            found = true;
            size = out.Bitmaps().at(key).size();
        } else if (r.kind == tindle::ResourceKind::Cursor && out.Cursors().count(key)) {
            found = true;
            size = out.Cursors().at(key).size();
        } else if (r.kind == tindle::ResourceKind::Sound && out.Sounds().count(key)) {
            found = true;
        }
        if (!found) {
            std::fprintf(stderr, "resource generator: nothing made for %s\n", r.name.c_str());
            complete = false;
        } else if (r.width > 0 && (size.width() != r.width || size.height() != r.height)) {
            std::fprintf(stderr, "resource generator: %s is %dx%d, expected %dx%d\n",
                         r.name.c_str(), size.width(), size.height(), r.width, r.height);
            complete = false;
        }
    }
    return complete;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tindle-resgen <output folder> <preview.png>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    gen::LoadFonts();
    gen::Output out(QString::fromLocal8Bit(argv[1]));
    gen::AddCardFaces(out);
    gen::AddCardBacks(out);
    gen::AddMarks(out);
    gen::AddBackgrounds(out);
    gen::AddInterface(out);
    gen::AddCursors(out);
    gen::AddSounds(out);
    // The preview is written first: it also shows what an incomplete run did make.
    if (!gen::WritePreview(out, QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "resource generator: cannot write the preview %s\n", argv[2]);
        return 1;
    }
    return CheckComplete(out) && out.Finish() ? 0 : 1;
}
