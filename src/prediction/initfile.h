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

// Reads `key=value` lines (CP932 text, any line end) into options: exact key match, the later
// line wins, unknown keys are ignored, lines that cannot be read are skipped; options whose key
// does not occur keep their value.
void ParseInitText(std::string_view cp932Text, PredictionOptions& options);

// The twelve lines in index order, CP932 with CR LF, followed by the `key=value` lines of `kept`
// (the file's old text) whose key is no option's, such as the refresh source.
std::string FormatInitText(const PredictionOptions& options, std::string_view kept = {});

// Reads the file into options. A missing file leaves them as they are; a file that exists but
// cannot be read throws InitFileError (options untouched).
void ReadInitFile(const std::filesystem::path& file, PredictionOptions& options);

// Replaces the file atomically (temporary file in the same folder, flushed, renamed over it),
// keeping its lines that hold no option; a missing folder is created. Throws InitFileError on
// failure; the old file is then left as it was.
void WriteInitFile(const std::filesystem::path& file, const PredictionOptions& options);

}  // namespace pirumo
