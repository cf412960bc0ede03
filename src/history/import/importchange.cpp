#include "history/import/importchange.h"

#include "history/drawcalendar.h"
#include "history/drawcaption.h"
#include "history/historyerror.h"
#include "history/store/historyfile.h"

namespace pirumo {

namespace {

std::optional<Draw> NewestValid(const std::vector<Draw>& rows) {
    const Draw* newest = NewestDraw(rows);
    return newest != nullptr ? std::optional<Draw>(*newest) : std::nullopt;
}

std::string NewestText(const std::optional<Draw>& newest) {
    return newest ? DrawCaption(*newest) : std::string("なし");
}

}  // namespace

ImportChange CompareImport(const std::filesystem::path& historyFile,
                           const std::vector<Draw>& incoming) {
    ImportChange change;
    change.incomingCount = incoming.size();
    change.incomingNewest = NewestValid(incoming);
    try {
        const std::vector<Draw> current = ReadHistoryRows(historyFile);
        change.currentCount = current.size();
        change.currentNewest = NewestValid(current);
        change.lost = FindDroppedDraws(current, incoming);
    } catch (const HistoryError& e) {
        change.currentReadError = e.what();
    }
    return change;
}

std::string DescribeImportChange(const ImportChange& change, std::size_t maxLines) {
    if (!change.currentReadError.empty()) {
        return "今の当選データファイルを読めないため、比べられません。\n" +
               change.currentReadError + "\n件数: " + std::to_string(change.incomingCount) +
               " 回分、最新回: " + NewestText(change.incomingNewest) + "\n";
    }
    std::string text = "件数: " + std::to_string(change.currentCount) + " 回分 → " +
                       std::to_string(change.incomingCount) +
                       " 回分\n最新回: " + NewestText(change.currentNewest) + " → " +
                       NewestText(change.incomingNewest) + "\n";
    if (change.lost.empty()) {
        return text + "手入力の回: 消える回はありません。\n";
    }
    return text + "手入力の回: 次の " + std::to_string(change.lost.size()) +
           " 回分が消えます（このファイルにないか、数字が違います）。\n" +
           DescribeDroppedDraws(change.lost, maxLines, "このファイル");
}

}  // namespace pirumo
