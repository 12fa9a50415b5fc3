// tindle-seal IN OUT: checks the Qt binary resource file IN that rcc wrote and writes it to OUT
// followed by its seal (src/table/ResourceFileCheck.h), which the program checks before it
// uses the file. A file the program would refuse stops the build instead. OUT is written aside
// and renamed into place: a program running meanwhile keeps the file it mapped whole.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "table/ResourceFileCheck.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tindle-seal IN OUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        std::fprintf(stderr, "tindle-seal: cannot read %s\n", argv[1]);
        return 1;
    }
    if (const tindle::ResourceCheck check = tindle::CheckResourceData(data); !check.Ok()) {
        std::fprintf(stderr, "tindle-seal: %s: %s\n", argv[1], check.reason.c_str());
        return 1;
    }
    const std::string aside = std::string(argv[2]) + ".new";
    std::ofstream out(aside, std::ios::binary | std::ios::trunc);
    const std::string sealed = tindle::SealResourceData(data);
    out.write(sealed.data(), static_cast<std::streamsize>(sealed.size()));
    out.close();
    if (!out || std::rename(aside.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "tindle-seal: cannot write %s\n", argv[2]);
        std::remove(aside.c_str());
        return 1;
    }
    return 0;
}
