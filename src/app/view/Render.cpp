#include "view/Render.h"

#include <cstdio>

namespace quenk {

int RunRender(int, char**) {
    std::fprintf(stderr, "quenk: --render is not available yet\n");
    return 2;
}

}  // namespace quenk
