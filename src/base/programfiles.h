#pragma once

#include <filesystem>

namespace pirumo {

// The user's own folders for this program, as the platform names them (on Linux
// ~/.local/share/pirumo and ~/.config/pirumo).
struct UserFolders {
    std::filesystem::path data;
    std::filesystem::path config;
};

// Where the program keeps its files.
struct ProgramFiles {
    std::filesystem::path history;   // Pirumo.mdb
    std::filesystem::path settings;  // ピルモ.ini
    // The published results shipped with the program, from which a missing history is created;
    // empty when the program was shipped without them.
    std::filesystem::path bundledHistory;
    bool portable = false;
};

// Portable (a build tree, an unpacked folder the user can write to): the history beside the
// program and the settings in the working directory. Installed (the program in <prefix>/bin with
// its data in <prefix>/share/pirumo), or a program folder the user cannot write to: both in the
// user's folders. The bundled results sit beside the program or in <prefix>/share/pirumo.
ProgramFiles LocateProgramFiles(const std::filesystem::path& programFolder,
                                const UserFolders& user);

}  // namespace pirumo
