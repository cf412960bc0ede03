#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <fstream>
#include <iterator>

#include "grid/gridexport.h"
#include "history/store/historyfile.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "prediction/garuponpredictor.h"
#include "prediction/ui/ippatsugaruponwindow.h"

namespace pirumo::test {
namespace {

const QString kBundled = QStringLiteral("同梱の当選データで始める(&B)");
const QString kImport = QStringLiteral("ファイルから取り込む(&I)...");
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

// The history pirumo-cli makes on its first use, beside a copy of it with the bundled results.
DrawHistory CommandLineFirstUse() {
    TempFolder folder;
    std::filesystem::copy_file(PIRUMO_CLI_PATH, folder.Path() / "pirumo-cli");
    std::filesystem::copy_file(RealHistoryCsv(), folder.Path() / "miniloto-history.csv");
    QProcess cli;
    cli.start(ToQString(folder.Path() / "pirumo-cli"), {QStringLiteral("info")});
    EXPECT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    return OpenDrawHistory(folder.Path() / "Pirumo.mdb");
}

class StartUpTest : public MainWindowTest {};

TEST_F(StartUpTest, ValidHistoryOpensTheMainWindowWithoutAQuestion) {
    WriteHistory(PatternDraws(12));
    ModalAnswerer answerer;
    MainWindow& main = Start();

    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_EQ(main.windowTitle(), QStringLiteral("ピルモ"));
    EXPECT_EQ(main.History().LastDrawNumber(), 12);
    EXPECT_EQ(main.History().Rows().size(), 12u);
    EXPECT_FALSE(main.menuBar()->actions().isEmpty());
    EXPECT_TRUE(main.MdiArea().isVisible());
}

// A first start: Enter takes the bundled results, which are published ones.
TEST_F(StartUpTest, MissingFileIsCreatedFromTheBundledResultsByDefault) {
    mBundledHistory = RealHistoryCsv();
    ModalAnswerer answerer({[](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->defaultButton(), nullptr);
        EXPECT_EQ(box->defaultButton()->text(), kBundled);
        box->defaultButton()->click();
    }});
    bool loaded = false;
    MainWindow& main = Construct(&loaded);

    ASSERT_TRUE(loaded);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_TRUE(answerer.Seen()[0].text.contains(QStringLiteral("第1回〜第1353回")));
    EXPECT_EQ(main.History().Rows().size(), 1353u);
    EXPECT_FALSE(main.History().IsSample());
    EXPECT_EQ(main.windowTitle(), QStringLiteral("ピルモ"));

    // The history the window took is the file it made, and the one pirumo-cli makes.
    EXPECT_EQ(main.History().Rows(), ReadHistoryRows(HistoryPath()));
    const DrawHistory commandLine = CommandLineFirstUse();
    EXPECT_EQ(main.History().Rows(), commandLine.Rows());
    EXPECT_EQ(main.History().IsSample(), commandLine.IsSample());
}

// Made-up draws say so in the caption and the status bar until published ones replace them.
TEST_F(StartUpTest, SampleDataSaysSoInTheCaptionAndTheStatusBar) {
    ReplaceHistoryFile(HistoryPath(), PatternDraws(12), HistoryKind::kSample);
    MainWindow& main = Start();
    auto* note = main.findChild<QLabel*>(QStringLiteral("sampleNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(main.windowTitle().contains(QStringLiteral("サンプル")));
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QStringLiteral("実際の当選結果ではありません")));

    // The prediction on show recomputes at once.
    Choose("openPredictionAction");
    auto* prediction = main.findChild<IppatsuGaruponWindow*>(QStringLiteral("一発ガルポン"));
    ASSERT_NE(prediction, nullptr);
    ASSERT_TRUE(prediction->isVisible());
    ReplaceHistoryFile(HistoryPath(), PatternDraws(13));
    main.ReloadHistory();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("ピルモ"));
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(main.History().LastDrawNumber(), 13);
    GaruponPredictor expected;
    expected.Load(DrawHistory(PatternDraws(13)));
    for (int i = 0; i < kPredictionGridCount; ++i) {
        EXPECT_EQ(GridToJson(prediction->Predictor().Grid(i), "", ""),
                  GridToJson(expected.Grid(i), "", ""));
    }
}

TEST_F(StartUpTest, MissingFileCanStartWithAnEmptyHistory) {
    ModalAnswerer answerer({ClickButton(kStartEmpty)});
    bool loaded = false;
    MainWindow& main = Construct(&loaded);

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
    MainWindow& main = Construct(&loaded);

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
