#pragma once

#include <filesystem>
#include <string>

namespace pirumo {

// Where the download refresh fetches the history from: the source the user saved in the
// settings file; else the environment variable PIRUMO_DOWNLOAD_URL (mirrors, tests); else
// http://<builtInHost>/download/Pirumo/Pirumo.mdb when the build names a host. Empty when none is
// configured.
std::string ResolveDownloadUrl(const std::filesystem::path& settingsFile,
                               const std::string& builtInHost);

// The source saved in the settings file (the line 最新化URL=...); empty when there is none or
// the file cannot be read.
std::string ReadRefreshSource(const std::filesystem::path& settingsFile);

// Saves the source in the settings file, or removes it when url is empty, keeping every other
// line of the file as it is. The url is checked first. Throws HistoryError (also for a file
// that cannot be read, whose lines would be lost); the file is then left as it was.
void SaveRefreshSource(const std::filesystem::path& settingsFile, const std::string& url);

// Why url cannot be a refresh source (not http:// or https:// with a host, blanks, characters
// the settings file cannot hold), or empty when it can.
std::string RefreshSourceProblem(const std::string& url);

// Tells the user that no download source is configured and where to set one.
std::string NoDownloadSourceMessage();

}  // namespace pirumo
