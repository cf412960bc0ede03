#include <gtest/gtest.h>

#include "clirun.h"
#include "history/store/historyfile.h"
#include "history/store/tickettable.h"
#include "historybodies.h"

namespace pirumo {
namespace {

using test::RunCliIn;

class TicketsCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReplaceHistoryFile(mFolder.Path() / "Pirumo.mdb", test::SomeDraws(10));
    }
    test::CliResult Tickets(std::vector<std::string> args) {
        args.insert(args.begin(), {"--db", (mFolder.Path() / "Pirumo.mdb").string(), "tickets"});
        return RunCliIn(mFolder, args);
    }
    std::string FileBytes() const { return test::ReadFileBytes(mFolder.Path() / "Pirumo.mdb"); }

    test::TempFolder mFolder;
};

TEST_F(TicketsCommandTest, AddsListsAndRemoves) {
    test::CliResult run = Tickets({"add", "27", "2", "15", "9", "22"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "番号1として保存しました：2 9 15 22 27（第11回）\n");
    run = Tickets({"add", "1", "2", "3", "4", "５", "--from", "第4回"});
    ASSERT_EQ(run.status, 0) << run.err;
    run = Tickets({"add", "1", "2", "3", "4", "6", "--draw", "12"});
    ASSERT_EQ(run.status, 0) << run.err;
    run = Tickets({"list"});
    EXPECT_EQ(run.out,
              "番号1  2 9 15 22 27  第11回\n番号2  1 2 3 4 5  第4回から\n"
              "番号3  1 2 3 4 6  第12回\n");
    run = Tickets({"remove", "2"});
    EXPECT_EQ(run.out, "番号2の購入を第10回までとしました（それまでの回は収支に残ります）。\n");
    run = Tickets({"remove", "3"});
    EXPECT_EQ(run.out, "番号3を削除しました。\n");
    EXPECT_EQ(Tickets({"list"}).out,
              "番号1  2 9 15 22 27  第11回\n番号2  1 2 3 4 5  第4回〜第10回\n");
}

TEST_F(TicketsCommandTest, RefusesBadInputInJapaneseAndLeavesTheFileAlone) {
    ASSERT_EQ(Tickets({"add", "1", "2", "3", "4", "5"}).status, 0);
    const std::string before = FileBytes();
    const std::vector<std::pair<std::vector<std::string>, const char*>> cases = {
        {{"add", "1", "2", "3", "4"}, "数字を 5 つ"},
        {{"add", "1", "2", "3", "4", "4"}, "4"},
        {{"add", "1", "2", "3", "4", "32"}, "32"},
        {{"add", "1", "2", "3", "4", "x"}, "「x」"},
        {{"add", "1", "2", "3", "4", "5", "--draw", "0"}, "--draw の「0」"},
        {{"add", "1", "2", "3", "4", "5", "--from", "32768"}, "--from の「32768」"},
        {{"add", "1", "2", "3", "4", "5", "--draw", "3", "--from", "3"}, "どちらか一方"},
        {{"remove", "9"}, "番号「9」の購入した数字はありません"},
        {{"remove", "x"}, "番号「x」"},
        {{"remove"}, "引数の数が違います"},
        {{"list", "extra"}, "引数の数が違います"},
        {{"ledger", "--format", "pdf"}, "形式「pdf」"},
        {{"ledger", "--draw", "3"}, "--draw は指定できません"},
        {{"buy"}, "「buy」という操作はありません"},
        {{}, "操作を指定してください"},
    };
    for (const auto& [args, message] : cases) {
        const test::CliResult run = Tickets(args);
        EXPECT_EQ(run.status, 2) << args.front();
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(FileBytes(), before);
    }
}

// An import that adds a draw reports the tickets bought for it, as a refresh does.
TEST_F(TicketsCommandTest, AnImportThatAddsADrawChecksTheTicketsForIt) {
    const Draw next = test::SomeDraws(11).back();
    std::vector<std::string> numbers = {"add"};
    for (int i = 0; i < 5; ++i) {
        numbers.push_back(std::to_string(next.Main(i)));
    }
    ASSERT_EQ(Tickets(numbers).status, 0);
    std::string csv = "回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n";
    for (const Draw& d : test::SomeDraws(11)) {
        csv += std::to_string(d.drawNumber);
        for (int f = 0; f < Draw::kFieldCount; ++f) {
            csv += ',';
            csv += std::to_string(d.numbers[static_cast<std::size_t>(f)]);
        }
        csv += "\n";
    }
    test::WriteFileBytes(mFolder.Path() / "draws.csv", csv);
    const test::CliResult run =
        RunCliIn(mFolder, {"--db", (mFolder.Path() / "Pirumo.mdb").string(), "import",
                           (mFolder.Path() / "draws.csv").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n第11回：あなたの数字 1口のうち 1等 1口（賞金データなし）\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(ReadSavedTickets(mFolder.Path() / "Pirumo.mdb").size(), 1u);
}

TEST_F(TicketsCommandTest, TheLedgerComesInThreeForms) {
    ASSERT_EQ(Tickets({"add", "1", "2", "3", "4", "5", "--from", "1"}).status, 0);
    const test::CliResult text = Tickets({"ledger"});
    ASSERT_EQ(text.status, 0) << text.err;
    // The test history has no prize data: the tickets count, their yen are left out.
    EXPECT_NE(
        text.out.find("10回・10口を購入しました。賞金データのない10回は金額に含めていません。"),
        std::string::npos)
        << text.out;
    const test::CliResult json = Tickets({"ledger", "--format", "json"});
    EXPECT_NE(json.out.find("\"total\": {\"draws\": 10, \"drawsWithPrizes\": 0, \"tickets\": 10"),
              std::string::npos)
        << json.out;
    const test::CliResult csv = Tickets({"ledger", "--format", "csv"});
    EXPECT_EQ(
        csv.out.substr(0, csv.out.find('\n')),
        "\xEF\xBB\xBF回,開催日,口数,購入額,1等,2等,3等,4等,当せん金,収支,偶然の平均,偶然の95%下限,"
        "偶然の95%上限,"
        "累計購入額,累計当せん金,累計 偶然の平均\r");
}

}  // namespace
}  // namespace pirumo
