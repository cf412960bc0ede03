#pragma once

#include <QMdiSubWindow>
#include <QPointer>
#include <filesystem>
#include <memory>

#include "history/entry/drawentry.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace pirumo {

class GridView;
class WindowHost;

// Window 当選データ入力: the user adds, deletes and corrects draws by hand. Every finished change
// goes to the history file at once; closing the window after a change tells the main window to
// read the history again.
class EntryWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    EntryWindow(std::filesystem::path historyFile, WindowHost& host);
    ~EntryWindow() override;

    // Blocks manual entry elsewhere, takes its size at the top left corner and fills the grid
    // from the file. Throws HistoryError when the file cannot be opened for editing.
    void Load();

    const ResultGrid& Grid() const;
    QMenu* EditMenu() const { return mEditMenu; }

signals:
    // The window closed after writing at least one change to the history file.
    void HistoryChanged();

protected:
    // The check before closing, for 閉じる, the close box and the program's exit alike; manual
    // entry is allowed again once the window has gone.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void CreateEditMenu();
    void PlaceControls();
    void PlaceClientArea();
    bool Ask(const QString& question);
    bool FinishEditing();
    void ShowCell(const EntryCell& cell);
    bool SettleIncompleteDraws();
    bool AskToRemoveIncompleteDraw(int row);
    bool TakeEdit(int column, int row, const QString& text);
    void ShowRefusalAtCell(int column, int row);
    QString DescribeWrongCell(int column, int row) const;
    void ShowOutcome(const EntryOutcome& outcome);
    void TakeActiveCellFromView();
    void ShowActiveCell();
    void FollowActiveChild(QMdiSubWindow* active);
    void ShowOwnMenu(bool own);
    void AddRow();
    void DeleteRow();
    void ShowEditMenuAt(const QPoint& position);

    std::filesystem::path mHistoryFile;
    WindowHost& mHost;
    std::unique_ptr<DrawEntry> mEntry;
    bool mLastEditRefused = false;
    bool mChanged = false;
    QString mLastRefusal;  // why the last typed text was refused
    QLabel* mIntro = nullptr;
    GridView* mGridView = nullptr;
    QLabel* mRefusalLine = nullptr;  // why the last typed text was refused, under the grid
    QPushButton* mCloseButton = nullptr;
    QMenu* mEditMenu = nullptr;
    bool mOwnMenuShown = false;
    QPointer<QLabel> mStatusNote;
};

}  // namespace pirumo
