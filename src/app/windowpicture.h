#pragma once

#include "app/commandline.h"

namespace pirumo {

// `pirumo --render NAME --out FILE.png`: starts the main window, closes the prediction window
// (unless that is the one named), opens the named window as its menu item would, and saves a
// picture of the whole window. A render never waits for an answer: a question or refusal the
// program would ask goes to standard error and the render fails. Errors go to standard error in
// Japanese; nothing is written then. Returns the exit status.
int SaveWindowPicture(const CommandLine& line);

}  // namespace pirumo
