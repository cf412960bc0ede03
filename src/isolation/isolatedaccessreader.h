#pragma once

#include <chrono>
#include <filesystem>

#include "history/import/accessreader.h"

namespace pirumo {

// The Jet reader of both programs: `pirumo-cli read-access FILE OUT` in a child process under a
// time limit, so that a hang or a crash of libmdb cannot take the program down. The child
// writes the checked draws to a history file in a private folder, read back from there.
// Failures throw HistoryError in Japanese: the child's own message, or one saying that it
// crashed or ran out of time.
class IsolatedAccessReader : public AccessReader {
public:
    static constexpr std::chrono::seconds kTimeLimit{60};

    explicit IsolatedAccessReader(std::filesystem::path cli,
                                  std::chrono::seconds limit = kTimeLimit);

    std::vector<Draw> Read(const std::filesystem::path& file) const override;

private:
    std::filesystem::path mCli;
    std::chrono::seconds mLimit;
};

// pirumo-cli in the folder of the running executable.
std::filesystem::path DefaultCliPath();

}  // namespace pirumo
