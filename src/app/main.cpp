// The desktop program. "--render" draws a puzzle into a PNG without opening a window.
#include <cstring>

#include "shell/QuenkApp.h"
#include "view/Render.h"

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--render") == 0) return quenk::RunRender(argc, argv);
    return quenk::RunQuenkApp(argc, argv);
}
