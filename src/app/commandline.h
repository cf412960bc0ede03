#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <stdexcept>

#include "base/programfiles.h"

namespace pirumo {

// `pirumo [--db FILE] [--ini FILE] [--render NAME --out FILE.png]`
struct CommandLine {
    std::filesystem::path historyFile;   // --db, default the program's own history
    std::filesystem::path settingsFile;  // --ini, default the program's own settings file
    QString renderName;                  // --render: the window to picture; empty = start as usual
    std::filesystem::path renderOut;     // --out
    bool showsHelp = false;              // -h, --help: print Usage() and end
};

// A command line the program does not understand; the message is Japanese.
class CommandLineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the program takes, for --help and after a command line it does not understand.
QString Usage();

// `arguments` without the program name; `files` gives the defaults.
CommandLine ParseCommandLine(const QStringList& arguments, const ProgramFiles& files);

// The program's files as the platform places them for this user.
ProgramFiles LocateOwnFiles();

// True when the raw arguments ask for --render or --help, which need no display and so run
// offscreen: checked before the application object exists.
bool RunsWithoutDisplay(int argc, char** argv);

}  // namespace pirumo
