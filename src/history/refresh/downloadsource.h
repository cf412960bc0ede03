#pragma once

#include <string>

namespace pirumo {

// Where the download refresh fetches the history from: the environment variable
// PIRUMO_DOWNLOAD_URL when set (mirrors, tests), else
// http://<builtInHost>/download/Pirumo/Pirumo.mdb. Empty when neither is configured.
std::string ResolveDownloadUrl(const std::string& builtInHost);

// Tells the user that no download source is configured and how to configure one.
std::string NoDownloadSourceMessage();

}  // namespace pirumo
