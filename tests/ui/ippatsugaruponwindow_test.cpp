#include "prediction/ui/ippatsugaruponwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <random>

#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "prediction/backtest/predictionlog.h"
#include "prediction/initfile.h"
#include "testwindowhost.h"

namespace pirumo {
namespace {

// Six distinct numbers per draw, shuffled reproducibly, so every method has hits.
std::vector<Draw> ShuffledDraws(int count) {
    std::mt19937 random(7);
    std::vector<Draw> rows;
    std::vector<int> pool(31);
    for (int i = 0; i < 31; ++i) {
        pool[static_cast<std::size_t>(i)] = i + 1;
    }
    for (int n = 1; n <= count; ++n) {
        std::shuffle(pool.begin(), pool.end(), random);
        rows.push_back(test::MakeDraw(n, {pool[0], pool[1], pool[2], pool[3], pool[4]}, pool[5]));
    }
    return rows;
}

// The frame of each reflect / don't-reflect pair, in option order.
constexpr const char* kOptionFrames[] = {
    "frequencyOptionFrame",  "intervalOptionFrame",           "appearanceCountOptionFrame",
    "dispersionOptionFrame", "carryOverOptionFrame",          "consecutiveOptionFrame",
    "numberSumOptionFrame",  "combinationPatternOptionFrame", "fourGroupOptionFrame",
    "groupDataOptionFrame",  "lastDigitOptionFrame",          "lastDigitRunOptionFrame",
};

using Texts = std::vector<std::string>;

Texts GridTexts(const ResultGrid& grid) {
    Texts texts;
    for (int row = 1; row <= grid.RowCount(); ++row) {
        for (int column = 1; column <= grid.ColumnCount(); ++column) {
            texts.push_back(grid.CellText(column, row));
        }
    }
    return texts;
}

// Settings with two options reflected.
void WriteTwoOptions(const std::filesystem::path& file) {
    PredictionOptions options;
    options.reflect[0] = true;
    options.reflect[5] = true;
    WriteInitFile(file, options);
}

// The window on a small host, created and opened as the main window does.
class IppatsuGaruponWindowTest : public testing::Test {
protected:
    void SetUp() override { WriteTwoOptions(IniPath()); }

    std::filesystem::path IniPath() const { return mFolder.Path() / "ピルモ.ini"; }

    IppatsuGaruponWindow& Create() {
        mWindow = &mHost.Add(new IppatsuGaruponWindow(mHost, IniPath()));
        mWindow->hide();
        mWindow->ReadInitFile();
        return *mWindow;
    }

    IppatsuGaruponWindow& OpenWindow() {
        if (mWindow == nullptr) {
            Create();
        }
        mWindow->Load();
        mWindow->show();
        EXPECT_TRUE(mWindow->isVisible());
        return *mWindow;
    }

    test::TempFolder mFolder;
    test::TestWindowHost mHost{DrawHistory(ShuffledDraws(400))};
    IppatsuGaruponWindow* mWindow = nullptr;
};

// The window as the main window creates, shows and closes it.
class PredictionInMainWindowTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        WriteHistory(ShuffledDraws(400));
        WriteTwoOptions(IniPath());
    }

    std::filesystem::path IniPath() const { return mFolder.Path() / "ピルモ.ini"; }

    IppatsuGaruponWindow* Window() const {
        return mMain->findChild<IppatsuGaruponWindow*>(QStringLiteral("一発ガルポン"));
    }

    IppatsuGaruponWindow& OpenWindow() {
        QMdiSubWindow* window = ChooseWindow("openPredictionAction");
        EXPECT_EQ(window, Window());
        EXPECT_TRUE(Window()->isVisible());
        return *Window();
    }
};

TEST_F(PredictionInMainWindowTest, StartUpReadsTheSettingsAndTheFirstActivationShowsTheWindow) {
    Construct();
    ASSERT_NE(Window(), nullptr);
    EXPECT_FALSE(Window()->isVisible());
    EXPECT_EQ(Window()->Predictor().Options().CountReflected(), 2);
    EXPECT_FALSE(Window()->Predictor().IsLoaded());
    mMain->show();
    mMain->activateWindow();
    QTRY_VERIFY(Window()->isVisible());
    EXPECT_TRUE(Window()->Predictor().IsLoaded());
}

TEST_F(IppatsuGaruponWindowTest, UnreadableSettingsAreReportedAndLeaveEveryOptionOff) {
    std::filesystem::remove(IniPath());
    std::filesystem::create_directory(IniPath());
    test::ModalAnswerer answerer;
    Create();
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_TRUE(answerer.Seen()[0].text.contains(QStringLiteral("反映しない")));
    EXPECT_EQ(mWindow->Predictor().Options().CountReflected(), 0);
    std::filesystem::remove(IniPath());
}

TEST_F(PredictionInMainWindowTest, FailedSettingsWriteIsReportedAndTheProgramStillExits) {
    Start();
    std::filesystem::remove(IniPath());
    std::filesystem::create_directory(IniPath());
    std::filesystem::create_directory(IniPath() / "keeps the folder from being replaced");
    test::ModalAnswerer answerer;
    mMain->close();
    EXPECT_FALSE(mMain->isVisible());
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_TRUE(answerer.Seen()[0].text.contains(QStringLiteral("設定")));
    std::filesystem::remove_all(IniPath());
}

TEST_F(PredictionInMainWindowTest, ManualEntryAsksToCloseTheWindowWhileItIsOpen) {
    Start();
    const QString guard = QStringLiteral(
        "当選データを入力する間は、分析と予想のウィンドウを閉じておく必要があります。\n"
        "開いているウィンドウ：「一発ガルポン予想」\n\n"
        "入力を終えて閉じると、分析と予想は新しい当選データで計算し直します。");
    const auto entryMessages = [this] {
        test::ModalAnswerer answerer;
        Choose("openEntryAction");
        std::vector<QString> texts;
        for (const auto& dialog : answerer.Seen()) {
            texts.push_back(dialog.text);
        }
        return texts;
    };
    OpenWindow();
    EXPECT_EQ(entryMessages(), std::vector<QString>{guard});
    Window()->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    for (const QString& text : entryMessages()) {
        EXPECT_NE(text, guard);
    }
}

TEST_F(IppatsuGaruponWindowTest, ShowsItsControlsWithTheirTexts) {
    IppatsuGaruponWindow* window = &OpenWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("一発ガルポン予想"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("rapidFireLabel"))->text(),
              QStringLiteral("●連発ガルポン予想(この予想数字を組む合わせて購入します)"));
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("predictionFrame"))->title(),
              QStringLiteral("当選予想"));
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("optionFrame"))->title(),
              QStringLiteral("データ分析オプション"));
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("fourGroupOptionFrame"))->title(),
              QStringLiteral("■4分割傾向分析"));
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("closeButton"))->text(),
              QStringLiteral("閉じる"));
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("printButton"))->text(),
              QStringLiteral("印刷"));
    for (int i = 0; i < 12; ++i) {
        const auto* reflect =
            window->findChild<QRadioButton*>(QStringLiteral("reflectButton%1").arg(i));
        const auto* dontReflect =
            window->findChild<QRadioButton*>(QStringLiteral("dontReflectButton%1").arg(i));
        ASSERT_NE(reflect, nullptr);
        ASSERT_NE(dontReflect, nullptr);
        EXPECT_EQ(reflect->isChecked(), i == 0 || i == 5) << i;
        EXPECT_NE(reflect->isChecked(), dontReflect->isChecked()) << i;
        EXPECT_EQ(reflect->parent(), dontReflect->parent());
        EXPECT_EQ(reflect->parent()->objectName(),
                  QString::fromUtf8(kOptionFrames[static_cast<std::size_t>(i)]));
    }
}

TEST_F(IppatsuGaruponWindowTest, ControlsDoNotOverlap) {
    IppatsuGaruponWindow* window = &OpenWindow();
    QWidget* client = window->widget();
    const auto boxOf = [client](QWidget* w) {
        return QRect(w->mapTo(client, QPoint()), w->size());
    };
    std::vector<QWidget*> parts;
    for (const char* name :
         {"predictionIntroLabel", "cycleLabel", "eliminationLabel", "rapidFireLabel",
          "oneShotLabel", "optionIntroLabel", "CycleGrid", "EliminationGrid", "RapidFireGrid",
          "OneShotGrid", "buyingLabel", "closeButton", "printButton"}) {
        QWidget* w = window->findChild<QWidget*>(QString::fromUtf8(name));
        ASSERT_NE(w, nullptr) << name;
        parts.push_back(w);
    }
    for (const char* name : kOptionFrames) {
        parts.push_back(window->findChild<QWidget*>(QString::fromUtf8(name)));
        ASSERT_NE(parts.back(), nullptr) << name;
    }
    for (std::size_t a = 0; a < parts.size(); ++a) {
        EXPECT_TRUE(client->rect().contains(boxOf(parts[a])))
            << parts[a]->objectName().toStdString() << " is cut off";
        for (std::size_t b = a + 1; b < parts.size(); ++b) {
            EXPECT_FALSE(boxOf(parts[a]).intersects(boxOf(parts[b])))
                << parts[a]->objectName().toStdString() << " / "
                << parts[b]->objectName().toStdString();
        }
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        EXPECT_GE(label->height(), label->heightForWidth(label->width()))
            << label->objectName().toStdString() << " is cut off";
    }
}

// Squeezed by tiling, the wrapped labels ran over the grids; stretched, too. The contents keep
// the size they are laid out for and scroll in a smaller window.
TEST_F(IppatsuGaruponWindowTest, ContentsKeepTheirSizeAndScrollInASmallerWindow) {
    IppatsuGaruponWindow& window = OpenWindow();
    auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("clientScroll"));
    auto* client = window.findChild<QWidget*>(QStringLiteral("client"));
    ASSERT_NE(scroll, nullptr);
    ASSERT_NE(client, nullptr);
    const QSize laidOut = client->size();
    EXPECT_EQ(laidOut, client->minimumSizeHint());
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
    const QSize own = window.size();
    for (const QSize size : {own / 2, own * 2}) {
        window.resize(size);
        QApplication::processEvents();
        EXPECT_EQ(client->size(), laidOut);
        EXPECT_EQ(scroll->verticalScrollBar()->maximum() > 0, size.height() < own.height());
        EXPECT_EQ(scroll->horizontalScrollBar()->maximum() > 0, size.width() < own.width());
    }
}

TEST_F(IppatsuGaruponWindowTest, OptionClickChangesOnlyTheDependentGridsAndReopeningKeepsAll) {
    IppatsuGaruponWindow* window = &OpenWindow();
    const GaruponPredictor& p = window->Predictor();
    const Texts cycle = GridTexts(p.Grid(kCycleGrid));
    const Texts elimination = GridTexts(p.Grid(kEliminationGrid));

    window->findChild<QRadioButton*>(QStringLiteral("reflectButton8"))->click();
    EXPECT_TRUE(p.Options().reflect[8]);
    EXPECT_EQ(GridTexts(p.Grid(kCycleGrid)), cycle);
    EXPECT_NE(GridTexts(p.Grid(kEliminationGrid)), elimination);
    std::vector<Texts> shown;
    for (int index = 0; index < kPredictionGridCount; ++index) {
        shown.push_back(GridTexts(p.Grid(index)));
    }

    EXPECT_FALSE(mHost.EntryAllowed());
    window->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(mHost.EntryAllowed());
    OpenWindow();
    EXPECT_TRUE(window->findChild<QRadioButton*>(QStringLiteral("reflectButton8"))->isChecked());
    for (int index = 0; index < kPredictionGridCount; ++index) {
        EXPECT_EQ(GridTexts(p.Grid(index)), shown[static_cast<std::size_t>(index)]) << index;
    }
}

// The log holds what the user saw: new numbers after an option click count as a showing.
TEST_F(PredictionInMainWindowTest, AnOptionClickIsLoggedLikeAnOpening) {
    Start();
    IppatsuGaruponWindow& window = OpenWindow();
    const auto log = [this] { return ReadPredictionLog(PredictionLogPath(HistoryPath())); };
    ASSERT_EQ(log().size(), 1u);  // opening again shows the same numbers

    auto* reflect = window.findChild<QRadioButton*>(QStringLiteral("reflectButton8"));
    reflect->click();
    std::vector<PredictionLogEntry> entries = log();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].options, window.Predictor().Options());
    EXPECT_EQ(entries[1].shown, MakePredictionLogEntry(mMain->History(), window.Predictor()).shown);
    EXPECT_NE(entries[1].shown, entries[0].shown);

    reflect->click();
    EXPECT_EQ(log().size(), 2u);
}

TEST_F(PredictionInMainWindowTest, ExitWritesTheOptions) {
    Start();
    IppatsuGaruponWindow* window = &OpenWindow();
    window->findChild<QRadioButton*>(QStringLiteral("dontReflectButton0"))->click();
    window->findChild<QRadioButton*>(QStringLiteral("reflectButton11"))->click();
    mMain->close();
    PredictionOptions written;
    ReadInitFile(IniPath(), written);
    PredictionOptions expected;
    expected.reflect[5] = true;
    expected.reflect[11] = true;
    EXPECT_EQ(written, expected);
}

}  // namespace
}  // namespace pirumo
