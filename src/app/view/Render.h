#pragma once
// quenk --render PUZZLE OUT [--cell S] [--blank]: the view's picture of a puzzle written as a
// PNG, SVG or PDF by OUT's extension, without a window.
#include "model/Crossword.h"
#include "settings/Settings.h"
#include "view/DrawOptions.h"

namespace quenk {

// argv[1] is "--render". Returns the process exit code: 0 written, 2 bad arguments,
// 3 the puzzle could not be loaded (its load message on stderr), 4 the file was not written.
// The cell size defaults to the stored setting, which also gives the font and strike lines.
int RunRender(int argc, char** argv);
// The same with the settings given instead of the stored ones.
int RunRender(int argc, char** argv, const CSettings& settings);

}  // namespace quenk
