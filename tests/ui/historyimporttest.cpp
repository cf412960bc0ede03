#include <QMessageBox>
#include <QPushButton>
#include <fstream>
#include <iterator>

#include "history/store/historyfile.h"
#include "history/ui/historyimport.h"
#include "mainfrmfixture.h"
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

class HistoryImportTest : public MainFrmTest {
protected:
    void SetUp() override {
        WriteHistory(PatternDraws(6));
        fs::copy_file(fs::path(PIRUMO_FUZZ_CORPUS_DIR) / "jet4-query", AccessFile());
        mMain = std::make_unique<MainFrm>(
            MainFrmOptions{HistoryPath(), mFolder.Path() / "ピルモ.ini", {}, PIRUMO_CLI_PATH});
        ASSERT_TRUE(mMain->Load());
        mMain->show();
    }

    fs::path AccessFile() const { return mFolder.Path() / "history.mdb"; }
};

TEST_F(HistoryImportTest, ReplacesTheHistoryAfterAskingAndUsesItAtOnce) {
    ModalAnswerer answerer(
        {ChooseFile(QString::fromStdString(AccessFile().string())), Click(QMessageBox::Yes)});
    Choose("mnuMasterImport");

    ASSERT_EQ(answerer.Seen().size(), 3u);
    const auto& confirmation = answerer.Seen()[1];
    EXPECT_EQ(confirmation.icon, QMessageBox::Warning);
    EXPECT_EQ(confirmation.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(confirmation.text.contains(QStringLiteral("history.mdb")));
    EXPECT_TRUE(confirmation.text.contains(QStringLiteral("Pirumo.mdb.bak")));
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
        Choose("mnuMasterImport");
        EXPECT_EQ(answerer.Seen().size(), 2u);
    }
    EXPECT_EQ(ReadBytes(HistoryPath()), before);

    const fs::path damaged = mFolder.Path() / "damaged.mdb";
    const std::string bytes = ReadBytes(AccessFile());
    std::ofstream(damaged, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    ModalAnswerer answerer(
        {ChooseFile(QString::fromStdString(damaged.string())), Click(QMessageBox::Yes)});
    Choose("mnuMasterImport");
    ASSERT_EQ(answerer.Seen().size(), 3u);
    EXPECT_EQ(answerer.Seen()[2].title, RefusalTitle());
    EXPECT_EQ(answerer.Seen()[2].icon, QMessageBox::Critical);
    EXPECT_EQ(answerer.Seen()[2].text,
              QStringLiteral("Accessファイル「%1」の内容が途中で切れているか、壊れています。")
                  .arg(QString::fromStdString(damaged.string())));
    EXPECT_EQ(ReadBytes(HistoryPath()), before);
}

}  // namespace
}  // namespace pirumo::test
