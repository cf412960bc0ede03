#include "history/ui/entrywindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

#include "app/mainfrm.h"
#include "history/entry/entrygrid.h"
#include "widgets/gridtablemodel.h"
#include "widgets/gridview.h"
#include "widgets/hourglasscursor.h"
#include "widgets/messageboxes.h"
#include "widgets/twips.h"

namespace pirumo {

namespace {

// The client area and the placement of the controls in it, in twips.
constexpr int kClientWidth = 7680;
constexpr int kClientHeight = 12825;
constexpr int kLabelTop = 120;
constexpr int kGridTop = 420;

// The note stays while the window is open.
const char* const kStatusNote =
    "当選データの変更はすぐにファイルに書き込まれます。分析と予想にはこの画面を閉じたときに反映され"
    "ます。";

// Notes that the main window is closing: exit never asks, so the check before closing is skipped.
class ExitWatcher : public QObject {
public:
    ExitWatcher(bool& closing, QObject* parent) : QObject(parent), mClosing(closing) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            mClosing = true;
        }
        return false;
    }

private:
    bool& mClosing;
};

}  // namespace

EntryWindow::EntryWindow(std::filesystem::path historyFile, MainFrm& main)
    : mHistoryFile(std::move(historyFile)), mMain(main), mMenuBar(main.menuBar()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("当選データ入力"));
    setWindowTitle(QStringLiteral("当選データ入力"));
    CreateControls();
    CreateEditMenu();
    main.installEventFilter(new ExitWatcher(mMainClosing, this));
}

EntryWindow::~EntryWindow() {
    ShowOwnMenu(false);
}

const ResultGrid& EntryWindow::Grid() const {
    return mEntry->Grid();
}

void EntryWindow::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setWidget(client);

    mLabel1 = new QLabel(
        QStringLiteral("当選数字を開催回数毎に入力します（分析対象データとなります）"), client);
    mLabel1->setObjectName(QStringLiteral("Label1"));
    mSpread = new GridView(client);
    mSpread->setObjectName(QStringLiteral("fpSpread1"));
    mSpread->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mSpread, &QWidget::customContextMenuRequested, this,
            &EntryWindow::fpSpread1_RightClick);
    mCommand1 = new QPushButton(QStringLiteral("閉じる"), client);
    mCommand1->setObjectName(QStringLiteral("Command1"));
    mCommand1->setFixedSize(TwipsToPixelsX(kButtonWidthTwips, *client),
                            TwipsToPixelsY(kButtonHeightTwips, *client));
    connect(mCommand1, &QPushButton::clicked, this, &EntryWindow::Command1_Click);
}

void EntryWindow::CreateEditMenu() {
    mnuEdit = new QMenu(QStringLiteral("編集(&E)"), this);
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    mnuAddLine = mnuEdit->addAction(QStringLiteral("行追加"));
    mnuAddLine->setObjectName(QStringLiteral("mnuAddLine"));
    mnuAddLine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(mnuAddLine, &QAction::triggered, this, &EntryWindow::mnuAddLine_Click);
    mnuDelLine = mnuEdit->addAction(QStringLiteral("行削除"));
    mnuDelLine->setObjectName(QStringLiteral("mnuDelLine"));
    mnuDelLine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(mnuDelLine, &QAction::triggered, this, &EntryWindow::mnuDelLine_Click);
}

void EntryWindow::Load() {
    HourglassCursor hourglass;
    ProcessPendingEvents();
    mMain.SetPropEnd(false);
    PlaceClientArea();
    mEntry = std::make_unique<DrawEntry>(mHistoryFile);
    mSpread->SetGrid(mEntry->Grid());
    mSpread->GridModel()->SetEditHandler(
        [this](int column, int row, const QString& text) { return TakeEdit(column, row, text); });
    PlaceControls();
    ShowActiveCell();
    if (QMdiArea* area = mdiArea()) {
        connect(area, &QMdiArea::subWindowActivated, this, &EntryWindow::FollowActiveChild);
    }
    mStatusNote = new QLabel(QString::fromUtf8(kStatusNote));
    mStatusNote->setObjectName(QStringLiteral("entryNote"));
    mMain.statusBar()->addPermanentWidget(mStatusNote);
}

void EntryWindow::PlaceClientArea() {
    const QMargins frame = contentsMargins();
    setGeometry(0, 0, TwipsToPixelsX(kClientWidth, *this) + frame.left() + frame.right(),
                TwipsToPixelsY(kClientHeight, *this) + frame.top() + frame.bottom());
}

void EntryWindow::PlaceControls() {
    QWidget* client = widget();
    if (client == nullptr || mCommand1 == nullptr) {
        return;  // still being built
    }
    const int margin = TwipsToPixelsX(kMarginTwips, *client);
    const int gap = TwipsToPixelsY(kGapTwips, *client);
    mLabel1->setGeometry(margin, TwipsToPixelsY(kLabelTop, *client), mLabel1->sizeHint().width(),
                         TwipsToPixelsY(kLabelHeightTwips, *client));
    const int gridTop = TwipsToPixelsY(kGridTop, *client);
    const QSize wanted = mSpread->sizeHint();
    const int width = std::max(0, std::min(wanted.width(), client->width() - 2 * margin));
    const int height = std::max(
        0, std::min(wanted.height(), client->height() - gridTop - 2 * gap - mCommand1->height()));
    mSpread->setGeometry(margin, gridTop, width, height);
    mCommand1->move(margin + std::max(width, mCommand1->width()) - mCommand1->width(),
                    gridTop + height + gap);
}

void EntryWindow::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    PlaceControls();
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    if (mEntry != nullptr && !mMainClosing) {
        if (!FinishEditing()) {
            event->ignore();
            return;
        }
        if (const std::optional<EntryCell> wrong = FindWrongEntryCell(mEntry->Grid())) {
            mEntry->Grid().ActivateCell(wrong->column, wrong->row);
            ShowActiveCell();
            mSpread->setFocus();
            ShowRefusal(this, QStringLiteral("結果マスタの数字に誤りがあります。"));
            event->ignore();
            return;
        }
    }
    // The unload step.
    mMain.SetPropEnd(true);
    ShowOwnMenu(false);
    delete mStatusNote;
    QMdiSubWindow::closeEvent(event);
    if (mChanged && !mMainClosing) {
        mChanged = false;
        emit HistoryChanged();
    }
}

bool EntryWindow::Ask(const QString& question) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ピルモ"), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// A cell still being typed in is finished as if the user had left it. False when its text was
// refused.
bool EntryWindow::FinishEditing() {
    QWidget* editor = mSpread->indexWidget(mSpread->currentIndex());
    if (editor == nullptr) {
        return true;
    }
    mLastEditRefused = false;
    emit mSpread->itemDelegate()->commitData(editor);
    emit mSpread->itemDelegate()->closeEditor(editor);
    return !mLastEditRefused;
}

// A finished cell edit. Messages wait until the editor has closed, so that no dialog opens
// while the view is still committing.
bool EntryWindow::TakeEdit(int column, int row, const QString& text) {
    const EntryOutcome outcome = mEntry->EditCell(column, row, text.toStdString());
    mChanged = mChanged || outcome.kind == EntryOutcome::Kind::kWritten;
    if (!outcome.Ok()) {
        mLastEditRefused = true;
        QMetaObject::invokeMethod(
            this, [this, outcome] { ShowOutcome(outcome); }, Qt::QueuedConnection);
    }
    return outcome.Ok();
}

// A failed write has read the file again: the view shows what it now holds.
void EntryWindow::ShowOutcome(const EntryOutcome& outcome) {
    if (outcome.kind == EntryOutcome::Kind::kFailed) {
        mSpread->Refresh();
        ShowActiveCell();
    }
    if (!outcome.Ok()) {
        ShowRefusal(this, QString::fromUtf8(outcome.message));
    }
}

void EntryWindow::TakeActiveCellFromView() {
    const QModelIndex current = mSpread->currentIndex();
    if (current.isValid()) {
        mEntry->Grid().ActivateCell(current.column() + 1, current.row() + 1);
    } else {
        mEntry->Grid().ActivateCell(0, 0);
    }
}

void EntryWindow::ShowActiveCell() {
    const ResultGrid& grid = mEntry->Grid();
    if (grid.ActiveColumn() < 1 || grid.ActiveRow() < 1) {
        return;
    }
    const QModelIndex index =
        mSpread->model()->index(grid.ActiveRow() - 1, grid.ActiveColumn() - 1);
    mSpread->setCurrentIndex(index);
    mSpread->scrollTo(index);
}

// While this window is the active child its menu replaces the main menus. When the main window
// itself loses the focus (a message box), no child is active but this one stays current.
void EntryWindow::FollowActiveChild(QMdiSubWindow* active) {
    if (active == nullptr && mdiArea() != nullptr) {
        active = mdiArea()->currentSubWindow();
    }
    ShowOwnMenu(active == this);
}

void EntryWindow::ShowOwnMenu(bool own) {
    if (own == mOwnMenuShown || mMenuBar == nullptr) {
        return;
    }
    mOwnMenuShown = own;
    if (own) {
        mHiddenMainMenus.clear();
        for (QAction* menu : mMenuBar->actions()) {
            if (menu->isVisible()) {
                menu->setVisible(false);
                mHiddenMainMenus.append(menu);
            }
        }
        mMenuBar->addAction(mnuEdit->menuAction());
    } else {
        mMenuBar->removeAction(mnuEdit->menuAction());
        for (const QPointer<QAction>& menu : mHiddenMainMenus) {
            if (menu != nullptr) {
                menu->setVisible(true);
            }
        }
        mHiddenMainMenus.clear();
    }
}

void EntryWindow::Command1_Click() {
    close();
}

void EntryWindow::mnuAddLine_Click() {
    if (!FinishEditing() ||
        !Ask(QStringLiteral("選択された行のうしろに行を追加します。よろしいですか？"))) {
        return;
    }
    TakeActiveCellFromView();
    const ResultGrid& grid = mEntry->Grid();
    const EntryOutcome outcome = mEntry->AddRowAfter(grid.ActiveRow(), grid.ActiveColumn());
    if (outcome.kind == EntryOutcome::Kind::kWritten) {
        mChanged = true;
        mSpread->Refresh();
        ShowActiveCell();
    }
    ShowOutcome(outcome);
}

void EntryWindow::mnuDelLine_Click() {
    if (!FinishEditing() || !Ask(QStringLiteral("選択された行を削除します。よろしいですか？"))) {
        return;
    }
    TakeActiveCellFromView();
    const EntryOutcome outcome = mEntry->DeleteRow(mEntry->Grid().ActiveRow());
    if (outcome.kind == EntryOutcome::Kind::kWritten) {
        mChanged = true;
        mSpread->Refresh();
        ShowActiveCell();
    }
    ShowOutcome(outcome);
}

// A right click on a draw's row makes that cell active and offers the edit menu.
void EntryWindow::fpSpread1_RightClick(const QPoint& position) {
    const QModelIndex index = mSpread->indexAt(position);
    if (!index.isValid()) {
        return;
    }
    mSpread->setCurrentIndex(index);
    mnuEdit->exec(mSpread->viewport()->mapToGlobal(position));
}

}  // namespace pirumo
