#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "prediction/predictionoptions.h"

namespace pirumo {

// A failure of the settings file, with a Japanese message that can be shown as it stands.
class InitFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads `key=value` lines (UTF-8 with or without BOM, or CP932; any line end) into options: exact
// key match, the later line wins, unknown keys are ignored, lines that cannot be read are
// skipped; options whose key does not occur keep their value.
void ParseInitText(std::string_view text, PredictionOptions& options);

// The twelve lines in index order, CP932 with CR LF, followed by every other non-empty line of
// `kept` (the file's old text, read as ParseInitText does) such as the refresh source or the
// user's notes, converted to CP932; a line that cannot be read stays byte for byte. Throws
// InitFileError when a kept line has no CP932 form.
std::string FormatInitText(const PredictionOptions& options, std::string_view kept = {});

// Reads the file into options. A missing file leaves them as they are; a file that exists but
// cannot be read throws InitFileError (options untouched).
void ReadInitFile(const std::filesystem::path& file, PredictionOptions& options);

// Replaces the file atomically (temporary file in the same folder, flushed, renamed over it),
// keeping its lines that hold no option; a missing folder is created. Throws InitFileError on
// failure, also when the old file exists but cannot be read; the old file is then left as it was.
void WriteInitFile(const std::filesystem::path& file, const PredictionOptions& options);

}  // namespace pirumo
