#pragma once

#include <QIcon>

namespace pirumo {

// The program's icon: a lottery ball with "ピ" on it, drawn at run time.
QIcon ProgramIcon();

}  // namespace pirumo
