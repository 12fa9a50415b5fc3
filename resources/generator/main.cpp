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
    // Every name the program asks for must have been made, with the size it expects.
    const std::vector<std::string> problems = out.Problems();
    for (const std::string& problem : problems)
        std::fprintf(stderr, "resource generator: %s\n", problem.c_str());
    return problems.empty() && out.Finish() ? 0 : 1;
}
