#include "history/refresh/historyrefresh.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <iterator>

#include "childmessage.h"
#include "history/historyerror.h"
#include "history/import/accessrows.h"
#include "history/import/historycsv.h"
#include "history/refresh/downloadedhistory.h"
#include "history/store/historyfile.h"
#include "historybodies.h"
#include "inprocessaccessreader.h"

namespace pirumo {
namespace {

namespace fs = std::filesystem;
using test::HistoryFileBytes;
using test::MakeDraw;
using test::ReadFileBytes;
using test::SomeDraws;

std::string FailureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const HistoryError& e) {
        return e.what();
    }
    return "(no failure)";
}

TEST(DownloadedHistoryTest, ReadsAGoodEncryptedOrAccessBody) {
    const std::vector<Draw> rows = SomeDraws(40);
    EXPECT_EQ(ReadDownloadedHistory(HistoryFileBytes(rows), test::InProcessAccessReader()), rows);
    EXPECT_EQ(ReadDownloadedHistory(ReadFileBytes(test::HandMadeJetFile()),
                                    test::InProcessAccessReader()),
              ReadAccessHistoryRows(test::HandMadeJetFile()));
}

// A CSV body in the import format, UTF-8 (with or without BOM) or CP932, reads as the import
// reads the same file.
TEST(DownloadedHistoryTest, ReadsACsvBodyInTheImportFormat) {
    const std::string published = ReadFileBytes(test::RealHistoryCsv());
    EXPECT_EQ(ReadDownloadedHistory(published, test::InProcessAccessReader()),
              ParseCsvHistory(published));
    EXPECT_EQ(
        ReadDownloadedHistory("\xEF\xBB\xBF" + published, test::InProcessAccessReader()).size(),
        1353u);

    // 開催回,日付,... with 第1数字 in CP932.
    const std::string cp932 =
        "\x8A\x4A\x8D\xC3\x89\xF1,\x93\xFA\x95\x74,\x91\xE6\x31\x90\x94\x8E\x9A,"
        "\x91\xE6\x32\x90\x94\x8E\x9A,\x91\xE6\x33\x90\x94\x8E\x9A,"
        "\x91\xE6\x34\x90\x94\x8E\x9A,\x91\xE6\x35\x90\x94\x8E\x9A,"
        "\x83\x7B\x81\x5B\x83\x69\x83\x58\x90\x94\x8E\x9A\r\n"
        "1,1999/04/13,1,3,17,20,25,26\r\n";
    Draw first = MakeDraw(1, {1, 3, 17, 20, 25}, 26);
    first.date = "1999/04/13";
    EXPECT_EQ(ReadDownloadedHistory(cp932, test::InProcessAccessReader()),
              std::vector<Draw>{first});
}

TEST(DownloadedHistoryTest, NamesTheCheckThatFailed) {
    const std::string good = HistoryFileBytes(SomeDraws(200));
    const std::string jet = ReadFileBytes(test::HandMadeJetFile());
    const std::pair<std::string, const char*> cases[] = {
        {"", "空です"},
        {"<!DOCTYPE html>\n<html><body>メンテナンス中です</body></html>", "Webページ"},
        {good.substr(0, good.size() / 2), "受信した当選データ"},
        {std::string(8192, '\0'), "受信した当選データを開けません"},
        {std::string(8192, 'x'), "受信したCSVデータの"},
        {"回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\r\n1,1,2,3,4,5,45\r\n",
         "受信したCSVデータの2行目"},
        {"回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\r\n1,1,2,3,4,5,\r\n",
         "有効な当選データが1件も"},
        {jet.substr(0, 12288), "Accessファイルの内容が途中で切れているか"},
        {HistoryFileBytes({MakeDraw(1, {1, 2, 3, 4, 0}, 6)}), "有効な当選データが1件も"},
    };
    for (const auto& [body, cause] : cases) {
        const std::string message =
            FailureOf([&] { ReadDownloadedHistory(body, test::InProcessAccessReader()); });
        EXPECT_NE(message.find(cause), std::string::npos) << message;
    }
}

TEST(DroppedDrawsTest, ListsLocalDrawsTheDownloadLacksOrHoldsOtherwise) {
    std::vector<Draw> local = SomeDraws(5);
    std::vector<Draw> downloaded = SomeDraws(3);
    downloaded[1].numbers[Draw::kBonusIndex] = 31;     // draw 2 corrected by the maker
    downloaded[2].date = "2024/01/01";                 // a date alone is no difference
    local.push_back(MakeDraw(6, {0, 0, 0, 0, 0}, 0));  // a draw number with nothing typed in

    const std::vector<DroppedDraw> dropped = FindDroppedDraws(local, downloaded);
    ASSERT_EQ(dropped.size(), 3u);
    EXPECT_EQ(dropped[0].local.drawNumber, 2);
    ASSERT_TRUE(dropped[0].downloaded);
    EXPECT_EQ(dropped[0].downloaded->Bonus(), 31);
    EXPECT_EQ(dropped[1].local.drawNumber, 4);
    EXPECT_FALSE(dropped[1].downloaded);
    EXPECT_EQ(dropped[2].local.drawNumber, 5);

    EXPECT_TRUE(FindDroppedDraws(SomeDraws(3), SomeDraws(4)).empty());
}

TEST(DroppedDrawsTest, DescribesEachDrawAndCountsTheRest) {
    const std::vector<DroppedDraw> dropped{
        {MakeDraw(1354, {3, 12, 18, 25, 30}, 7), std::nullopt},
        {MakeDraw(1355, {1, 2, 0, 4, 5}, 6), MakeDraw(1355, {1, 2, 3, 4, 5}, 6)},
        {MakeDraw(1356, {1, 2, 3, 4, 5}, 6), std::nullopt},
    };
    EXPECT_EQ(DescribeDroppedDraws(dropped, 2),
              "第1354回　3 12 18 25 30　ボーナス数字 7　（最新データにありません）\n"
              "第1355回　1 2 － 4 5　ボーナス数字 6　（最新データでは 1 2 3 4 5　ボーナス数字 6）\n"
              "ほか 1 回分\n");
}

class HistoryRefreshTest : public ::testing::Test {
protected:
    fs::path Target() const { return mFolder.Path() / "Pirumo.mdb"; }
    test::TempFolder mFolder;
};

TEST_F(HistoryRefreshTest, RefusesAMissingTargetWithTheUsualMessage) {
    const std::string body = HistoryFileBytes(SomeDraws(3));
    EXPECT_EQ(FailureOf([&] { PlanHistoryRefresh(Target(), body, test::InProcessAccessReader()); }),
              "当選データファイル：'" + Target().string() + "'が存在しません");
    EXPECT_FALSE(fs::exists(Target()));
}

TEST_F(HistoryRefreshTest, ReplacesTheFileAndKeepsTheOldOneAsBak) {
    ReplaceHistoryFile(Target(), SomeDraws(10));
    const std::string old = ReadFileBytes(Target());
    const RefreshPlan plan = PlanHistoryRefresh(Target(), HistoryFileBytes(SomeDraws(12)),
                                                test::InProcessAccessReader());
    EXPECT_FALSE(plan.NeedsConfirmation());
    EXPECT_EQ(plan.lastDrawNumber, 12);
    const DrawHistory refreshed = ApplyHistoryRefresh(Target(), plan);
    EXPECT_EQ(ReadHistoryRows(Target()), SomeDraws(12));
    EXPECT_EQ(refreshed.Rows(), SomeDraws(12));
    EXPECT_EQ(ReadFileBytes(fs::path(Target().string() + ".bak")), old);
}

TEST_F(HistoryRefreshTest, AsksBeforeDroppingLocalDrawsOrAnUnreadableFile) {
    ReplaceHistoryFile(Target(), SomeDraws(10));
    const RefreshPlan fewer =
        PlanHistoryRefresh(Target(), HistoryFileBytes(SomeDraws(8)), test::InProcessAccessReader());
    EXPECT_TRUE(fewer.NeedsConfirmation());
    const std::string loss = DescribeRefreshLoss(fewer, 10);
    EXPECT_NE(loss.find("次の 2 回分"), std::string::npos) << loss;
    EXPECT_NE(loss.find("第9回"), std::string::npos) << loss;
    EXPECT_NE(loss.find("第10回"), std::string::npos) << loss;

    test::WriteFileBytes(Target(), "not a history file");
    const RefreshPlan unreadable =
        PlanHistoryRefresh(Target(), HistoryFileBytes(SomeDraws(8)), test::InProcessAccessReader());
    EXPECT_TRUE(unreadable.NeedsConfirmation());
    EXPECT_NE(DescribeRefreshLoss(unreadable, 10).find("読めない"), std::string::npos);
}

// A CSV body of the given draw numbers, draw n dated 20nn/01/06.
std::string CsvOfDraws(std::initializer_list<int> numbers) {
    std::string csv = "回数,日付,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n";
    for (int n : numbers) {
        csv += std::to_string(n) + "," + std::to_string(2000 + n) + "/01/06,1,2,3,4,5," +
               std::to_string(6 + n) + "\n";
    }
    return csv;
}

// What the refresh says it added and which skipped draw numbers it warns about, for a local
// history of draws 1, 2 and 4 (3 long missing).
TEST_F(HistoryRefreshTest, NamesTheAddedDrawsAndTheSkippedOnes) {
    const test::InProcessAccessReader access;
    ReplaceHistoryFile(Target(), ReadDownloadedHistory(CsvOfDraws({1, 2, 4}), access));
    const struct {
        std::initializer_list<int> downloaded;
        const char* done;
        const char* missing;
    } cases[] = {
        {{1, 2, 4, 5}, "第5回（2005/01/06）を追加しました。", ""},
        {{1, 2, 4, 5, 6}, "第5回（2005/01/06）と第6回（2006/01/06）を追加しました。", ""},
        {{4, 2, 1, 7, 6, 5},
         "第5回（2005/01/06）、第6回（2006/01/06）と第7回（2007/01/06）を追加しました。",
         ""},
        {{1, 2, 4, 5, 6, 7, 8},
         "第5回（2005/01/06）から第8回（2008/01/06）までの 4 回分を追加しました。",
         ""},
        {{1, 2, 4, 6, 9, 10, 13},
         "第6回（2006/01/06）から第13回（2013/01/06）までの 4 回分を追加しました。",
         "受信したデータは途中の回が抜けています: 第5回、第7回〜第8回、第11回〜第12回（5 回分）\n"},
    };
    for (const auto& c : cases) {
        const RefreshPlan plan = PlanHistoryRefresh(Target(), CsvOfDraws(c.downloaded), access);
        EXPECT_EQ(RefreshDoneMessage(plan), c.done);
        EXPECT_EQ(DescribeMissingDraws(plan), c.missing);
        EXPECT_FALSE(plan.BringsNothingNew());
    }

    const RefreshPlan same = PlanHistoryRefresh(Target(), CsvOfDraws({1, 2, 4}), access);
    EXPECT_TRUE(same.BringsNothingNew());
    EXPECT_FALSE(same.NeedsConfirmation());
    EXPECT_EQ(NothingNewMessage(same), "新しい回はありません（最新 第4回）。");
    const RefreshPlan older = PlanHistoryRefresh(Target(), CsvOfDraws({1, 2}), access);
    EXPECT_TRUE(older.BringsNothingNew());
    EXPECT_EQ(NothingNewMessage(older),
              "新しい回はありません（最新 "
              "第4回）。\n受信したデータにない第4回は、今のまま残しています。");
}

// Root may write anywhere, so the failing write comes from a file-size limit in a child process.
TEST_F(HistoryRefreshTest, AFailedWriteLeavesTheFileAsItWas) {
    ReplaceHistoryFile(Target(), SomeDraws(10));
    const std::string old = ReadFileBytes(Target());
    const RefreshPlan plan = PlanHistoryRefresh(Target(), HistoryFileBytes(SomeDraws(3000)),
                                                test::InProcessAccessReader());
    const std::string message = test::MessageFromChild([&] {
        const rlimit limit{16384, 16384};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        return FailureOf([&] { ApplyHistoryRefresh(Target(), plan); });
    });

    EXPECT_NE(message.find("当選データファイル"), std::string::npos) << message;
    EXPECT_EQ(ReadFileBytes(Target()), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(mFolder.Path()), fs::directory_iterator()), 1)
        << "a temporary file was left behind";
}

}  // namespace
}  // namespace pirumo
