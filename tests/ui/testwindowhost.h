#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QStatusBar>

#include "history/drawhistory.h"
#include "widgets/windowhost.h"

namespace pirumo::test {

// Holds child windows in an area of a plain window, on a history given in memory, and records
// what the windows ask of their host.
class TestWindowHost : public WindowHost {
public:
    explicit TestWindowHost(DrawHistory history = DrawHistory()) : mHistory(std::move(history)) {
        mArea = new QMdiArea(&mWindow);
        mWindow.setCentralWidget(mArea);
        mWindow.menuBar();
        mWindow.statusBar();
        mWindow.resize(1200, 1000);
        mWindow.show();
        mWindow.activateWindow();
    }
    ~TestWindowHost() override { delete mArea; }

    // Adds `window` to the area; the caller loads and shows it.
    template <typename Window>
    Window& Add(Window* window) {
        mArea->addSubWindow(window);
        return *window;
    }

    QMainWindow& Window() { return mWindow; }
    QMdiArea& Area() { return *mArea; }
    bool EntryAllowed() const { return mEntryBlockers.isEmpty(); }
    QString StatusMessage() const { return mWindow.statusBar()->currentMessage(); }
    QMenu* Menu() const { return mMenu; }
    void SetClosing(bool closing) { mClosing = closing; }

    const DrawHistory& History() const override { return mHistory; }
    // What a reload or a new range gives the windows; they are told to recompute by the test.
    void SetHistory(DrawHistory history) { mHistory = std::move(history); }
    void SetBlocksEntry(const QWidget& window, bool blocks) override {
        if (blocks) {
            mEntryBlockers.insert(&window);
        } else {
            mEntryBlockers.remove(&window);
        }
    }
    void AddStatusNote(QLabel* note) override { mWindow.statusBar()->addPermanentWidget(note); }
    void ShowStatusMessage(const QString& message) override {
        mWindow.statusBar()->showMessage(message);
    }
    void ReplaceMenus(QMenu* menu) override {
        if (mMenu != nullptr) {
            mWindow.menuBar()->removeAction(mMenu->menuAction());
        }
        mMenu = menu;
        if (menu != nullptr) {
            mWindow.menuBar()->addAction(menu->menuAction());
        }
    }
    bool IsClosing() const override { return mClosing; }
    QWidget* DialogParent() override { return &mWindow; }

private:
    DrawHistory mHistory;
    QMainWindow mWindow;
    QMdiArea* mArea = nullptr;
    QSet<const QWidget*> mEntryBlockers;
    bool mClosing = false;
    QPointer<QMenu> mMenu;
};

}  // namespace pirumo::test
