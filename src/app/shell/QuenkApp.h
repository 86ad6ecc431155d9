#pragma once
// The program's start-up: settings, language, main window, command line.

namespace quenk {

// Runs the desktop program; returns the process exit code.
int RunQuenkApp(int argc, char** argv);

}  // namespace quenk
