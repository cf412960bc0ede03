#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <algorithm>
#include <map>
#include <set>

#include "../core/testhistory.h"
#include "app/commandline.h"
#include "app/mainmenu.h"
#include "app/windowpicture.h"
#include "history/store/historyfile.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "widgets/twips.h"

namespace pirumo::test {
namespace {

QStringList Args(std::initializer_list<const char*> arguments) {
    QStringList list;
    for (const char* a : arguments) {
        list << QString::fromUtf8(a);
    }
    return list;
}

ProgramFiles Located() {
    ProgramFiles files;
    files.history = "/home/u/.local/share/pirumo/Pirumo.mdb";
    files.settings = "/home/u/.config/pirumo/ピルモ.ini";
    return files;
}

TEST(CommandLineTest, DefaultsAndOptionsInBothSpellings) {
    const CommandLine plain = ParseCommandLine({}, Located());
    EXPECT_EQ(plain.historyFile, Located().history);
    EXPECT_EQ(plain.settingsFile, Located().settings);
    EXPECT_TRUE(plain.renderName.isEmpty());

    const CommandLine line = ParseCommandLine(
        Args({"--db", "/tmp/a.mdb", "--ini=/tmp/b.ini", "--render", "出現回数分析", "--out=x.png"}),
        Located());
    EXPECT_EQ(line.historyFile, "/tmp/a.mdb");
    EXPECT_EQ(line.settingsFile, "/tmp/b.ini");
    EXPECT_EQ(line.renderName, QStringLiteral("出現回数分析"));
    EXPECT_EQ(line.renderOut, "x.png");
}

TEST(CommandLineTest, HelpAsksForTheUsage) {
    for (const QStringList& arguments :
         {Args({"--help"}), Args({"-h"}), Args({"--db", "a", "-h"})}) {
        EXPECT_TRUE(ParseCommandLine(arguments, Located()).showsHelp)
            << arguments.join(u' ').toStdString();
    }
    EXPECT_FALSE(ParseCommandLine({}, Located()).showsHelp);
    for (const char* option : {"--db", "--ini", "--render", "--out", "--help"}) {
        EXPECT_TRUE(Usage().contains(QString::fromUtf8(option))) << option;
    }
}

TEST(CommandLineTest, MistakesAreRefusedInJapanese) {
    for (const QStringList& arguments :
         {Args({"--render", "出現回数分析"}), Args({"--out", "x.png"}), Args({"--db"}),
          Args({"--db="}), Args({"--colour", "red"}), Args({"stray"})}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        try {
            ParseCommandLine(arguments, Located());
            ADD_FAILURE() << "accepted";
        } catch (const CommandLineError& error) {
            EXPECT_FALSE(std::string(error.what()).empty());
        }
    }
}

class WindowPictureTest : public testing::Test {
protected:
    CommandLine Line(const char* name) {
        CommandLine line;
        line.historyFile = mFolder.Path() / "Pirumo.mdb";
        line.settingsFile = mFolder.Path() / "ピルモ.ini";
        line.renderName = QString::fromUtf8(name);
        line.renderOut = mFolder.Path() / "a.png";
        return line;
    }

    TempFolder mFolder;
};

TEST_F(WindowPictureTest, SavesThePictureOfTheWholeWindow) {
    ReplaceHistoryFile(mFolder.Path() / "Pirumo.mdb", PatternDraws(20));
    const CommandLine line = Line("出現回数分析");
    ASSERT_EQ(SaveWindowPicture(line), 0);
    FlushDeletes();
    QImage picture(QString::fromStdU16String(line.renderOut.u16string()));
    ASSERT_FALSE(picture.isNull());
    // The window's own width; its height as far as the main window's area, which a render makes
    // 9/10 of the screen, has room.
    const QWidget reference;
    const QSize layout = TwipsToPixels(0, 0, 8590, 13850, reference).size();
    const QSize shown = picture.size() / picture.devicePixelRatio();
    EXPECT_EQ(shown.width(), layout.width());
    EXPECT_LE(shown.height(), layout.height());
    EXPECT_GE(shown.height(), layout.height() / 2);
    EXPECT_FALSE(std::filesystem::exists(line.settingsFile));
}

// Every paint event the application delivers while it lives: how many each widget had, and of
// which classes.
class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++mPerWidget[object];
            mClasses.insert(object->metaObject()->className());
        }
        return false;
    }

    int MostByOneWidget() const {
        int most = 0;
        for (const auto& [widget, count] : mPerWidget) {
            most = std::max(most, count);
        }
        return most;
    }
    bool Painted(const std::string& className) const { return mClasses.contains(className); }

private:
    std::map<const QObject*, int> mPerWidget;
    std::set<std::string> mClasses;
};

// The grab is the only paint: not the main window, not the prediction window, nothing twice.
TEST_F(WindowPictureTest, OnlyTheWindowAskedForIsPaintedAndOnlyOnce) {
    ReplaceHistoryFile(mFolder.Path() / "Pirumo.mdb", PatternDraws(20));
    for (const char* name : {"出現回数分析", "数字チェック"}) {
        SCOPED_TRACE(name);
        PaintCounter paints;
        ASSERT_EQ(SaveWindowPicture(Line(name)), 0);
        FlushDeletes();
        EXPECT_EQ(paints.MostByOneWidget(), 1);
        EXPECT_FALSE(paints.Painted("pirumo::MainWindow"));
        EXPECT_FALSE(paints.Painted("pirumo::IppatsuGaruponWindow"));
    }
}

// Each file of the folder with its size and time of change.
std::map<std::string, std::pair<std::uintmax_t, long long>> FolderState(
    const std::filesystem::path& folder) {
    std::map<std::string, std::pair<std::uintmax_t, long long>> state;
    for (const auto& file : std::filesystem::recursive_directory_iterator(folder)) {
        state[file.path().string()] = {file.is_regular_file() ? file.file_size() : 0,
                                       file.last_write_time().time_since_epoch().count()};
    }
    return state;
}

// A render writes its picture and nothing else: not the prediction log, not the settings.
TEST_F(WindowPictureTest, EveryWindowOfTheMenusRendersAndLeavesTheHistorysFolderAlone) {
    ReplaceHistoryFile(mFolder.Path() / "Pirumo.mdb", PatternDraws(20));
    const auto before = FolderState(mFolder.Path());
    TempFolder pictures;
    ModalAnswerer answerer;  // a question left open would hang the test instead of failing it
    for (const MainMenuItem& item : MainMenuItems()) {
        if (item.window == nullptr) {
            continue;
        }
        SCOPED_TRACE(item.window);
        CommandLine line = Line(item.window);
        line.renderOut = pictures.Path() / "a.png";
        std::filesystem::remove(line.renderOut);
        EXPECT_EQ(SaveWindowPicture(line), 0);
        FlushDeletes();
        EXPECT_FALSE(QImage(QString::fromStdU16String(line.renderOut.u16string())).isNull());
    }
    EXPECT_EQ(FolderState(mFolder.Path()), before);
}

TEST_F(WindowPictureTest, AQuestionFailsTheRenderInsteadOfWaiting) {
    const CommandLine line = Line("出現回数分析");
    ReplaceHistoryFile(line.historyFile, PatternDraws(3));
    std::filesystem::create_directory(line.settingsFile);  // unreadable: a warning box
    ModalAnswerer answerer;
    EXPECT_NE(SaveWindowPicture(line), 0);
    FlushDeletes();
    EXPECT_FALSE(std::filesystem::exists(line.renderOut));
}

TEST_F(WindowPictureTest, UnknownNameOrMissingHistoryWritesNothing) {
    const CommandLine line = Line("出現回数分析");
    EXPECT_NE(SaveWindowPicture(line), 0);  // no history file
    EXPECT_FALSE(std::filesystem::exists(line.renderOut));
    EXPECT_FALSE(std::filesystem::exists(line.historyFile));

    ReplaceHistoryFile(line.historyFile, PatternDraws(3));
    EXPECT_NE(SaveWindowPicture(Line("ない窓")), 0);
    FlushDeletes();
    EXPECT_FALSE(std::filesystem::exists(line.renderOut));
}

TEST_F(WindowPictureTest, MenuCaptionsNameTheirWindows) {
    ReplaceHistoryFile(mFolder.Path() / "Pirumo.mdb", PatternDraws(20));
    for (const char* caption : {"4分割傾向分析", "一発ガルポン予想", "予想の検証"}) {
        SCOPED_TRACE(caption);
        const CommandLine line = Line(caption);
        std::filesystem::remove(line.renderOut);
        EXPECT_EQ(SaveWindowPicture(line), 0);
        FlushDeletes();
        EXPECT_TRUE(std::filesystem::exists(line.renderOut));
    }
}

}  // namespace
}  // namespace pirumo::test
