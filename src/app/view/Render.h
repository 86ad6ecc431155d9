#pragma once
// quenk --render PUZZLE OUT.png [--cell S]: the view's picture of a puzzle written as a PNG,
// without a window.

namespace quenk {

// argv[1] is "--render". Returns the process exit code: 0 written, 2 bad arguments,
// 3 the puzzle could not be loaded (its load message on stderr), 4 the PNG was not written.
int RunRender(int argc, char** argv);

}  // namespace quenk
