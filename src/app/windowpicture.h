#pragma once

#include "app/commandline.h"

namespace pirumo {

// `pirumo --render NAME --out FILE.png`: starts the main window, opens the named window as its
// menu item would, and saves a picture of the whole window. Errors go to standard error in
// Japanese; nothing is written then. Returns the exit status.
int SaveWindowPicture(const CommandLine& line);

}  // namespace pirumo
