#include <QMdiArea>
#include <QMenuBar>
#include <fstream>
#include <iterator>

#include "mainfrmfixture.h"
#include "modalanswerer.h"

namespace pirumo::test {
namespace {

const QString kImport = QStringLiteral("CSV ファイルを取り込む(&I)");
const QString kStartEmpty = QStringLiteral("空の当選データで始める(&E)");
const QString kEnd = QStringLiteral("終了(&X)");

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

QString ToQString(const std::filesystem::path& file) {
    return QString::fromStdU16String(file.u16string());
}

class StartUpTest : public MainFrmTest {};

TEST_F(StartUpTest, ValidHistoryOpensTheMainWindowWithoutAQuestion) {
    WriteHistory(PatternDraws(12));
    ModalAnswerer answerer;
    MainFrm& main = Start();

    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_EQ(main.windowTitle(), QStringLiteral("ピルモ"));
    EXPECT_EQ(main.History().LastDrawNumber(), 12);
    EXPECT_EQ(main.History().Rows().size(), 12u);
    EXPECT_FALSE(main.menuBar()->actions().isEmpty());
    EXPECT_TRUE(main.MdiArea().isVisible());
}

TEST_F(StartUpTest, MissingFileCanStartWithAnEmptyHistory) {
    ModalAnswerer answerer({ClickButton(kStartEmpty)});
    bool loaded = false;
    MainFrm& main = Construct(&loaded);

    ASSERT_TRUE(loaded);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_TRUE(answerer.Seen()[0].text.contains(ToQString(HistoryPath())));
    EXPECT_TRUE(std::filesystem::exists(HistoryPath()));
    EXPECT_TRUE(main.History().Rows().empty());
    EXPECT_EQ(main.History().LastDrawNumber(), 0);
}

TEST_F(StartUpTest, MissingFileCanBeFilledFromACsvFile) {
    const auto csv = mFolder.Path() / "history.csv";
    WriteBytes(csv,
               "回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n"
               "1,1,3,17,20,25,26\n"
               "2,2,9,14,21,30,5\n");
    ModalAnswerer answerer({ClickButton(kImport), ChooseFile(ToQString(csv))});
    bool loaded = false;
    MainFrm& main = Construct(&loaded);

    ASSERT_TRUE(loaded);
    EXPECT_EQ(main.History().LastDrawNumber(), 2);
    EXPECT_EQ(main.History().Rows()[1].Bonus(), 5);
}

TEST_F(StartUpTest, RefusedCsvIsReportedAndTheQuestionComesBack) {
    const auto csv = mFolder.Path() / "bad.csv";
    WriteBytes(csv,
               "回数,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n"
               "1,1,3,17,20,99,26\n");
    ModalAnswerer answerer(
        {ClickButton(kImport), ChooseFile(ToQString(csv)), {}, ClickButton(kEnd)});
    bool loaded = true;
    Construct(&loaded);

    EXPECT_FALSE(loaded);
    ASSERT_EQ(answerer.Seen().size(), 4u);
    EXPECT_EQ(answerer.Seen()[2].icon, QMessageBox::Critical);
    EXPECT_FALSE(answerer.Seen()[2].text.isEmpty());
    EXPECT_EQ(answerer.Seen()[3].text, answerer.Seen()[0].text);
    EXPECT_FALSE(std::filesystem::exists(HistoryPath()));
}

TEST_F(StartUpTest, MissingFileAndEndingCreatesNothing) {
    ModalAnswerer answerer({ClickButton(kEnd)});
    bool loaded = true;
    Construct(&loaded);

    EXPECT_FALSE(loaded);
    EXPECT_EQ(answerer.Seen().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(HistoryPath()));
}

TEST_F(StartUpTest, UnreadableFileIsReportedLeftAsItIsAndTheProgramEnds) {
    const std::string garbage = "not a history file, just some bytes\n";
    WriteBytes(HistoryPath(), garbage);
    ModalAnswerer answerer;
    bool loaded = true;
    Construct(&loaded);

    EXPECT_FALSE(loaded);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(answerer.Seen()[0].title, QStringLiteral("メッセ\uFF0Dジ"));
    EXPECT_TRUE(answerer.Seen()[0].text.contains(ToQString(HistoryPath())));
    EXPECT_EQ(ReadBytes(HistoryPath()), garbage);
    EXPECT_FALSE(std::filesystem::exists(HistoryPath().string() + ".bak"));
}

}  // namespace
}  // namespace pirumo::test
