#pragma once

#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <filesystem>
#include <memory>
#include <vector>

#include "../core/testhistory.h"
#include "app/mainwindow.h"
#include "history/draw.h"

namespace pirumo::test {

// Draws 1..count with distinct numbers that follow a fixed pattern.
std::vector<Draw> PatternDraws(int count);

// Runs deferred deletes, so that closed windows are gone.
void FlushDeletes();

// A history file in a fresh folder.
class HistoryFileTest : public testing::Test {
protected:
    std::filesystem::path HistoryPath() const { return mFolder.Path() / "Pirumo.mdb"; }
    void WriteHistory(const std::vector<Draw>& draws);

    TempFolder mFolder;
};

// A main window started on a history file in a fresh folder.
class MainWindowTest : public HistoryFileTest {
protected:
    void TearDown() override;

    // Constructs the main window and runs its load step; `loaded` receives Load()'s result.
    MainWindow& Construct(bool* loaded = nullptr);
    // Construct(), expects a successful load, and shows the window. The prediction window, which
    // the first activation opens, is closed again so that tests start without a child window.
    MainWindow& Start();
    void ClosePredictionWindow();

    // Triggers the menu item with that object name.
    void Choose(const char* objectName);
    // Chooses the item and returns the child window it opened (or brought forward).
    QMdiSubWindow* ChooseWindow(const char* objectName);
    // The child windows on show (the prediction window stays in the area while closed).
    std::vector<QMdiSubWindow*> Children() const;

    std::filesystem::path mBundledHistory;  // offered at start-up when set
    std::unique_ptr<MainWindow> mMain;
};

}  // namespace pirumo::test
