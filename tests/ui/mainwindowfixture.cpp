#include "mainwindowfixture.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QTest>

#include "history/store/historyfile.h"

namespace pirumo::test {

std::vector<Draw> PatternDraws(int count) {
    std::vector<Draw> draws;
    for (int n = 1; n <= count; ++n) {
        const auto number = [n](int offset) { return (n + offset) % 31 + 1; };
        draws.push_back(
            MakeDraw(n, {number(0), number(5), number(11), number(17), number(23)}, number(29)));
    }
    return draws;
}

void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void MainWindowTest::TearDown() {
    if (mMain != nullptr) {
        mMain->close();
        mMain.reset();
    }
    FlushDeletes();
}

void HistoryFileTest::WriteHistory(const std::vector<Draw>& draws) {
    ReplaceHistoryFile(HistoryPath(), draws);
}

MainWindow& MainWindowTest::Construct(bool* loaded) {
    mMain = std::make_unique<MainWindow>(MainWindowOptions{
        HistoryPath(), mFolder.Path() / "ピルモ.ini", {}, PIRUMO_CLI_PATH, mBundledHistory});
    const bool ok = mMain->Load();
    if (loaded != nullptr) {
        *loaded = ok;
    }
    return *mMain;
}

MainWindow& MainWindowTest::Start() {
    bool loaded = false;
    Construct(&loaded);
    EXPECT_TRUE(loaded);
    mMain->resize(1200, 1000);
    mMain->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(mMain.get()));
    ClosePredictionWindow();
    return *mMain;
}

void MainWindowTest::ClosePredictionWindow() {
    mMain->activateWindow();
    QMdiSubWindow* prediction = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([this, &prediction] {
        prediction = mMain->findChild<QMdiSubWindow*>(QStringLiteral("一発ガルポン"));
        return prediction != nullptr && prediction->isVisible();
    }));
    ASSERT_NE(prediction, nullptr);
    prediction->close();
}

void MainWindowTest::Choose(const char* objectName) {
    auto* action = mMain->findChild<QAction*>(QString::fromUtf8(objectName));
    ASSERT_NE(action, nullptr) << objectName;
    action->trigger();
    QCoreApplication::processEvents();
}

QMdiSubWindow* MainWindowTest::ChooseWindow(const char* objectName) {
    Choose(objectName);
    return mMain->MdiArea().currentSubWindow();
}

std::vector<QMdiSubWindow*> MainWindowTest::Children() const {
    FlushDeletes();
    std::vector<QMdiSubWindow*> shown;
    for (QMdiSubWindow* window : mMain->MdiArea().subWindowList()) {
        if (!window->isHidden()) {
            shown.push_back(window);
        }
    }
    return shown;
}

}  // namespace pirumo::test
