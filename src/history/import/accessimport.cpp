#include "history/import/accessimport.h"

#include "history/import/accessrows.h"
#include "history/store/historyfile.h"

namespace pirumo {

int ImportAccessHistory(const std::filesystem::path& mdbFile,
                        const std::filesystem::path& historyFile) {
    const std::vector<Draw> draws = ReadAccessHistoryRows(mdbFile);
    ReplaceHistoryFile(historyFile, draws);
    return static_cast<int>(draws.size());
}

}  // namespace pirumo
