#pragma once

#include <QList>
#include <QMdiSubWindow>
#include <QPointer>
#include <filesystem>
#include <memory>

#include "history/entry/drawentry.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace pirumo {

class GridView;
class MainFrm;

// Window 当選データ入力: the user adds, deletes and corrects draws by hand. Every finished change
// goes to the history file at once; closing the window after a change tells the main window to
// read the history again.
class EntryWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    EntryWindow(std::filesystem::path historyFile, MainFrm& main);
    ~EntryWindow() override;

    // The load step: hourglass, propEnd, placement, the grid filled from the file. Throws
    // HistoryError when the file cannot be opened for editing.
    void Load();

    const ResultGrid& Grid() const;
    QMenu* EditMenu() const { return mnuEdit; }

signals:
    // The window closed after writing at least one change to the history file.
    void HistoryChanged();

protected:
    // The check before closing, for 閉じる and the close box alike, then the unload step.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void CreateEditMenu();
    void PlaceControls();
    void PlaceClientArea();
    bool Ask(const QString& question);
    bool FinishEditing();
    bool TakeEdit(int column, int row, const QString& text);
    void ShowOutcome(const EntryOutcome& outcome);
    void TakeActiveCellFromView();
    void ShowActiveCell();
    void FollowActiveChild(QMdiSubWindow* active);
    void ShowOwnMenu(bool own);

    void Command1_Click();
    void mnuAddLine_Click();
    void mnuDelLine_Click();
    void fpSpread1_RightClick(const QPoint& position);

    std::filesystem::path mHistoryFile;
    MainFrm& mMain;
    std::unique_ptr<DrawEntry> mEntry;
    bool mMainClosing = false;
    bool mLastEditRefused = false;
    bool mChanged = false;
    QLabel* mLabel1 = nullptr;
    GridView* mSpread = nullptr;
    QPushButton* mCommand1 = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuAddLine = nullptr;
    QAction* mnuDelLine = nullptr;
    bool mOwnMenuShown = false;
    QPointer<QMenuBar> mMenuBar;
    QPointer<QLabel> mStatusNote;
    QList<QPointer<QAction>> mHiddenMainMenus;
};

}  // namespace pirumo
