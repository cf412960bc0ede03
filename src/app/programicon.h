#pragma once

#include <QIcon>

namespace pirumo {

// The program's icon: a lottery ball with "ピ" on it, drawn at run time.
QIcon ProgramIcon();

// Makes ProgramIcon() the application's window icon once the program's first window has been
// painted on screen. Painting the icon loads a bold Japanese font that nothing else needs to
// show the first window, so start-up leaves it until then.
void SetProgramIconOnceOnScreen();

}  // namespace pirumo
