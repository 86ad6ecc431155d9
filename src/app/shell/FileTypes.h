#pragma once
// The puzzle file types registered for the user, the freedesktop way: the MIME package of the
// five types, a desktop entry that opens them with this program, and the icons, written into
// the user's data folder ($XDG_DATA_HOME, ~/.local/share) and the desktop's caches updated.
// The files are those the package installs for every user.
#include <QString>

namespace quenk {

// strProgram: the program's path, for the desktop entry's command. Files that already hold
// what they would be given are left alone, so registering again changes nothing. False when
// a file could not be written.
bool RegisterFileTypes(const QString& strProgram);

// The desktop entry as written for strProgram.
QByteArray DesktopEntryFor(const QString& strProgram);

}  // namespace quenk
