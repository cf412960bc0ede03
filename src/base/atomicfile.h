#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace pirumo {

// The file a write to `file` should change: a symbolic link is followed to the file it names
// (which may not exist yet), so the link stays a link and its target gets the new content.
// Throws FileError for links that lead round in a circle.
std::filesystem::path ResolveWriteTarget(const std::filesystem::path& file);

// A new version of a regular file, written beside it and put in its place whole or not at all.
// The temporary file comes from mkstemp in the target's folder under a short name, so a long
// target name still works; it is removed on every failure. A temporary file that a killed
// writer left behind is cleared by a later writer in that folder (see leftovertempfiles.h).
// The new file keeps the owner, group and permissions of the file it replaces; when the owner
// cannot be kept (another user's file, not run as root) the replacement is refused. Failures
// throw FileError in Japanese.
class AtomicFile {
public:
    // Refuses a target that is a folder or anything else but a regular file, and one the user
    // made read-only (no write permission for anyone): they asked for it not to change.
    explicit AtomicFile(const std::filesystem::path& file);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The file that Commit replaces, links resolved.
    const std::filesystem::path& Target() const { return mTarget; }
    // For a writer that opens the new file by name itself (the database engine).
    const std::filesystem::path& TemporaryPath() const { return mTemp; }

    void Write(std::string_view bytes);
    // Flushes the new file to disk, gives it the owner, group and permissions of the file it
    // replaces (of `attributesFrom` when given; the usual ones for a new file), renames it over
    // the target and flushes the folder.
    void Commit(const std::optional<std::filesystem::path>& attributesFrom = std::nullopt);
    // As Commit, but fails when the target exists by then instead of replacing it.
    void CommitAsNew();

private:
    void Prepare(const std::optional<std::filesystem::path>& attributesFrom);
    void CloseWritten();
    void Discard();

    std::filesystem::path mTarget;
    std::filesystem::path mTemp;
    int mFd = -1;
};

// Replaces the regular file `file` (a link: its target) with `bytes` through an AtomicFile.
// Settings, logs and exports go this way, so a protected file (see ProtectFromOutput) is refused.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace pirumo
