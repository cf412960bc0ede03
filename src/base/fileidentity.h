#pragma once

#include <filesystem>
#include <optional>

namespace pirumo {

// Which file a name stands for at the moment: a replaced file has a new identity.
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// nullopt when there is no file of that name.
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& file);

}  // namespace pirumo
