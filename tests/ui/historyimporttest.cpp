#include <sys/stat.h>
#include <QMessageBox>
#include <QPushButton>
#include <fstream>
#include <iterator>

#include "../core/inprocessaccessreader.h"
#include "base/inputfile.h"
#include "history/store/historyfile.h"
#include "history/ui/historyimport.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "widgets/messageboxes.h"

namespace pirumo::test {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

ModalAnswerer::Answer Click(QMessageBox::StandardButton which) {
    return [which](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        box->button(which)->click();
    };
}

class HistoryImportTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteHistory(PatternDraws(6));
        fs::copy_file(fs::path(PIRUMO_FUZZ_CORPUS_DIR) / "jet4-query", AccessFile());
        mMain = std::make_unique<MainWindow>(
            MainWindowOptions{HistoryPath(), mFolder.Path() / "ピルモ.ini", {}, PIRUMO_CLI_PATH});
        ASSERT_TRUE(mMain->Load());
        mMain->show();
    }

    fs::path AccessFile() const { return mFolder.Path() / "history.mdb"; }
};

TEST_F(HistoryImportTest, ReplacesTheHistoryAfterAskingAndUsesItAtOnce) {
    ModalAnswerer answerer(
        {ChooseFile(QString::fromStdString(AccessFile().string())), Click(QMessageBox::Yes)});
    Choose("importHistoryAction");

    ASSERT_EQ(answerer.Seen().size(), 3u);
    const auto& confirmation = answerer.Seen()[1];
    EXPECT_EQ(confirmation.icon, QMessageBox::Warning);
    EXPECT_EQ(confirmation.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(confirmation.text.contains(QStringLiteral("history.mdb")));
    EXPECT_TRUE(confirmation.text.contains(QStringLiteral("Pirumo.mdb.bak")));
    EXPECT_TRUE(confirmation.text.contains(QStringLiteral("件数: 6 回分 → 3 回分\n")));
    EXPECT_TRUE(confirmation.text.endsWith(QStringLiteral("置き換えます。よろしいですか？")));
    EXPECT_EQ(answerer.Seen()[2].text, QStringLiteral("当選データを3回分取り込みました。"));

    EXPECT_EQ(ReadHistoryRows(HistoryPath()).size(), 3u);
    EXPECT_EQ(ReadHistoryRows(fs::path(HistoryPath()) += ".bak"), PatternDraws(6));
    EXPECT_EQ(mMain->History().Rows(), ReadHistoryRows(HistoryPath()));
}

TEST_F(HistoryImportTest, LeavesTheHistoryWhenTheUserSaysNoOrTheFileIsDamaged) {
    const std::string before = ReadBytes(HistoryPath());
    {
        ModalAnswerer answerer(
            {ChooseFile(QString::fromStdString(AccessFile().string())), Click(QMessageBox::No)});
        Choose("importHistoryAction");
        EXPECT_EQ(answerer.Seen().size(), 2u);
    }
    EXPECT_EQ(ReadBytes(HistoryPath()), before);

    const fs::path damaged = mFolder.Path() / "damaged.mdb";
    const std::string bytes = ReadBytes(AccessFile());
    std::ofstream(damaged, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    // Checked before the question: the refusal comes instead.
    ModalAnswerer answerer({ChooseFile(QString::fromStdString(damaged.string()))});
    Choose("importHistoryAction");
    ASSERT_EQ(answerer.Seen().size(), 2u);
    EXPECT_EQ(answerer.Seen()[1].title, RefusalTitle());
    EXPECT_EQ(answerer.Seen()[1].icon, QMessageBox::Critical);
    EXPECT_EQ(answerer.Seen()[1].text,
              QStringLiteral("Accessファイル「%1」の内容が途中で切れているか、壊れています。")
                  .arg(QString::fromStdString(damaged.string())));
    EXPECT_EQ(ReadBytes(HistoryPath()), before);
}

// The question says what the import changes: draw 6, entered by hand, is not in the file.
TEST_F(HistoryImportTest, TheQuestionSaysWhatChanges) {
    const fs::path csv = mFolder.Path() / "results.csv";
    std::string text = "回号,抽せん日,本数字1,本数字2,本数字3,本数字4,本数字5,ボーナス\n";
    for (const Draw& d : PatternDraws(5)) {
        text += std::to_string(d.drawNumber);
        text += ',';
        for (int f = 0; f < Draw::kFieldCount; ++f) {
            text += ',';
            text += std::to_string(d.numbers[static_cast<std::size_t>(f)]);
        }
        text += '\n';
    }
    std::ofstream(csv, std::ios::binary) << text << "第7回,2025/10/07,1,2,3,4,5,6\n";

    ModalAnswerer answerer(
        {ChooseFile(QString::fromStdString(csv.string())), Click(QMessageBox::No)});
    Choose("importHistoryAction");
    ASSERT_EQ(answerer.Seen().size(), 2u);
    const QString question = answerer.Seen()[1].text;
    const QString expected = QStringLiteral(
        "今の当選データを「results.csv」の内容で置き換えます。\n\n"
        "件数: 6 回分 → 6 回分\n"
        "最新回: 第6回 → 第7回（2025/10/07）\n"
        "手入力の回: 次の 1 回分が消えます（このファイルにないか、数字が違います）。\n"
        "第6回　7 12 18 24 30　ボーナス数字 5　（このファイルにありません）\n\n"
        "置き換える前のファイルは Pirumo.mdb.bak として残します。\n"
        "置き換えます。よろしいですか？");
    EXPECT_EQ(question, expected);
    EXPECT_EQ(ReadHistoryRows(HistoryPath()), PatternDraws(6));
}

// The chosen file is read as pirumo-cli reads it: a FIFO, a device, a folder or a huge file is
// refused at once, before the question, with the command line's words, and the history stays as it
// was.
TEST(HistoryImportInputTest, OnlyARegularFileOfBoundedSizeIsRead) {
    TempFolder folder;
    const fs::path history = folder.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(history, PatternDraws(6));
    const std::string before = ReadBytes(history);
    const fs::path pipe = folder.Path() / "pipe.csv";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const fs::path subfolder = folder.Path() / "folder.mdb";
    fs::create_directory(subfolder);
    const fs::path huge = folder.Path() / "huge.csv";
    std::ofstream(huge).put('x');
    fs::resize_file(huge, kMaxInputFileSize + 1);

    const QString notRegular =
        QStringLiteral("は通常のファイルではありません（装置やパイプは読み込みません）。");
    const struct {
        fs::path file;
        QString refusal;
    } cases[] = {
        {pipe, QStringLiteral("取り込むファイル「%1」") + notRegular},
        {"/dev/zero", QStringLiteral("取り込むファイル「%1」") + notRegular},
        {subfolder, QStringLiteral("取り込むファイル「%1」はフォルダーです。")},
        {huge, QStringLiteral("取り込むファイル「%1」は大きすぎます（64 MiB まで）。")},
    };
    QWidget parent;
    const InProcessAccessReader access;
    for (const auto& [file, refusal] : cases) {
        SCOPED_TRACE(file.string());
        const QString name = QString::fromStdString(file.string());
        ModalAnswerer answerer;
        EXPECT_FALSE(HistoryImport(&parent, history, access).ImportFile(name));
        ASSERT_EQ(answerer.Seen().size(), 1u);  // the refusal comes before any question
        EXPECT_EQ(answerer.Seen()[0].text, refusal.arg(name));
        EXPECT_EQ(ReadBytes(history), before);
    }
}

// One pass: the Access file goes through the reader once, and the history it gives back is the
// one the file now holds, with nothing read again to count or reload it.
TEST(HistoryImportInputTest, AnAccessFileIsReadOnceAndItsHistoryComesBack) {
    TempFolder folder;
    const fs::path history = folder.Path() / "Pirumo.mdb";
    ReplaceHistoryFile(history, PatternDraws(6));
    QWidget parent;
    const InProcessAccessReader access;
    ModalAnswerer answerer({Click(QMessageBox::Yes)});
    const std::optional<DrawHistory> imported =
        HistoryImport(&parent, history, access)
            .ImportFile(QString::fromStdString(HandMadeJetFile().string()));

    ASSERT_TRUE(imported);
    EXPECT_EQ(access.Reads(), 1);
    EXPECT_EQ(imported->Rows(), ReadHistoryRows(history));
    ASSERT_EQ(answerer.Seen().size(), 2u);
    EXPECT_EQ(answerer.Seen()[1].text, QStringLiteral("当選データを3回分取り込みました。"));
}

}  // namespace
}  // namespace pirumo::test
