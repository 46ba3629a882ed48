// The program's own icon for its windows (and so for the maximised panel's
// corner in the main window), drawn at build time into the build tree's
// icons folder and installed into share/icons/hicolor.
#pragma once

#include <QIcon>
#include <QString>

namespace pumpdrill {

// The icon from the files beside the program (build tree or installation),
// else from the desktop's icon theme; a null icon when neither has it.
QIcon ProgramIcon(const QString& programDir);

}  // namespace pumpdrill
