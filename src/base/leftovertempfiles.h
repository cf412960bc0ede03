#pragma once

#include <chrono>
#include <filesystem>

namespace pirumo {

// Temporary files of AtomicFile: ".pirumo-" and mkstemp's six characters, and the database
// engine's journal for such a file. A writer holds an exclusive flock on its temporary file for
// as long as it lives, so a file whose lock is free belongs to a writer that was killed.

// Starts holding the lock on a temporary file just made; false when a sweep removed the file
// in the moment before, so the caller makes another.
bool HoldTempFile(int fd);

// Removes the temporary files in `folder` that no living writer holds and that are older than
// `olderThan`. A writer that holds the folder's lock passes zero: no other history writer runs.
// Files of other programs and of older versions without the lock are only judged by their age.
void RemoveLeftoverTempFiles(const std::filesystem::path& folder, std::chrono::seconds olderThan);

}  // namespace pirumo
