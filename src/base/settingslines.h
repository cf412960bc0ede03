#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pirumo {

// One line of the settings file ピルモ.ini, without its end.
struct SettingsLine {
    std::string text;     // UTF-8; the line's own bytes when decoded is false
    bool decoded = true;  // false: neither UTF-8 nor CP932, kept byte for byte
};

// The lines of a settings file as an editor may have saved it: UTF-8 with or without a BOM, or
// CP932 (also behind a BOM), line by line so that a file of mixed lines reads too. CR LF, LF and
// CR each end a line.
std::vector<SettingsLine> SplitSettingsLines(std::string_view bytes);

// The line as the program writes it: CP932. nullopt when its text has no CP932 form.
std::optional<std::string> SettingsLineBytes(const SettingsLine& line);

}  // namespace pirumo
