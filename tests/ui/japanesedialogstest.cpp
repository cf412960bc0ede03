#include <QMessageBox>
#include <fstream>

#include "mainwindowfixture.h"
#include "modalanswerer.h"

namespace pirumo::test {
namespace {

class JapaneseDialogsTest : public MainWindowTest {};

// Qt's standard dialogs speak Japanese once the program has loaded Qt's translation: the file
// dialog of 当選データ取り込み and the question that follows it, both as the user sees them.
TEST_F(JapaneseDialogsTest, FileDialogAndQuestionButtonsAreJapanese) {
    WriteHistory(PatternDraws(6));
    Start();
    const auto csv = mFolder.Path() / "draws.csv";
    std::ofstream(csv) << "回数,開催日,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字\n"
                          "1,2024/01/09,1,2,3,4,5,6\n";

    ModalAnswerer answerer({ChooseFile(QString::fromStdString(csv.string()))});
    Choose("importHistoryAction");

    ASSERT_GE(answerer.Seen().size(), 2u);
    const QStringList& files = answerer.Seen()[0].captions;
    for (const char* caption : {"開く(&O)", "キャンセル", "ファイル名(&N):", "ファイルの種類:"}) {
        EXPECT_TRUE(files.contains(QString::fromUtf8(caption)))
            << caption << " in " << files.join(u'|').toStdString();
    }
    const ModalAnswerer::Dialog& question = answerer.Seen()[1];
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(question.captions.contains(QStringLiteral("はい(&Y)")));
    EXPECT_TRUE(question.captions.contains(QStringLiteral("いいえ(&N)")));
    EXPECT_FALSE(question.captions.contains(QStringLiteral("&Yes")));
}

}  // namespace
}  // namespace pirumo::test
