// tindle-cli: headless access to the engine.
#include <cstdio>

int main(int argc, char** argv) {
    (void)argv;
    if (argc < 2) {
        std::fprintf(stderr, "usage: tindle-cli COMMAND [ARGS]\n");
        return 2;
    }
    std::fprintf(stderr, "tindle-cli: unknown command\n");
    return 2;
}
