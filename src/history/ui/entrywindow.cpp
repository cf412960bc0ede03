#include "history/ui/entrywindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>
#include <algorithm>

#include "history/entry/entrygrid.h"
#include "history/entry/entrytext.h"
#include "widgets/gridtablemodel.h"
#include "widgets/gridview.h"
#include "widgets/hourglasscursor.h"
#include "widgets/messageboxes.h"
#include "widgets/twips.h"
#include "widgets/windowhost.h"

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

}  // namespace

EntryWindow::EntryWindow(std::filesystem::path historyFile, WindowHost& host)
    : mHistoryFile(std::move(historyFile)), mHost(host) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("当選データ入力"));
    setWindowTitle(QStringLiteral("当選データ入力"));
    CreateControls();
    CreateEditMenu();
}

// The grid view goes before the entry's grid it shows.
EntryWindow::~EntryWindow() {
    ShowOwnMenu(false);
    delete mStatusNote;
    delete widget();
}

const ResultGrid& EntryWindow::Grid() const {
    return mEntry->Grid();
}

void EntryWindow::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setWidget(client);

    mIntro = new QLabel(
        QStringLiteral("当選数字を開催回数毎に入力します（分析対象データとなります）"), client);
    mIntro->setObjectName(QStringLiteral("introLabel"));
    mGridView = new GridView(client);
    mGridView->setObjectName(QStringLiteral("gridView"));
    mGridView->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab moves on to the buttons; while a cell is typed in it still finishes it and moves on.
    mGridView->setTabKeyNavigation(false);
    connect(mGridView, &QWidget::customContextMenuRequested, this, &EntryWindow::ShowEditMenuAt);
    mRefusalLine = new QLabel(client);
    mRefusalLine->setObjectName(QStringLiteral("refusalLine"));
    mRefusalLine->setWordWrap(true);
    mRefusalLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mRefusalLine->setStyleSheet(QStringLiteral("color: #c00000;"));
    mCloseButton = new QPushButton(QStringLiteral("閉じる"), client);
    mCloseButton->setObjectName(QStringLiteral("closeButton"));
    mCloseButton->setFixedSize(TwipsToPixelsX(kButtonWidthTwips, *client),
                               TwipsToPixelsY(kButtonHeightTwips, *client));
    connect(mCloseButton, &QPushButton::clicked, this, &EntryWindow::close);
}

void EntryWindow::CreateEditMenu() {
    mEditMenu = new QMenu(QStringLiteral("編集(&E)"), this);
    mEditMenu->setObjectName(QStringLiteral("editMenu"));
    mEditMenu->menuAction()->setObjectName(QStringLiteral("editMenu"));
    QAction* addRow = mEditMenu->addAction(QStringLiteral("行追加"));
    addRow->setObjectName(QStringLiteral("addRowAction"));
    addRow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(addRow, &QAction::triggered, this, &EntryWindow::AddRow);
    QAction* deleteRow = mEditMenu->addAction(QStringLiteral("行削除"));
    deleteRow->setObjectName(QStringLiteral("deleteRowAction"));
    deleteRow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(deleteRow, &QAction::triggered, this, &EntryWindow::DeleteRow);
}

void EntryWindow::Load() {
    HourglassCursor hourglass;
    ProcessPendingEvents();
    mHost.SetBlocksEntry(*this, true);
    PlaceClientArea();
    mEntry = std::make_unique<DrawEntry>(mHistoryFile);
    mGridView->SetGrid(mEntry->Grid());
    // Esc drops the refused text, and with it the reason.
    connect(mGridView->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::RevertModelCache) {
                    mRefusalLine->clear();
                }
            });
    mGridView->GridModel()->SetEditHandler(
        [this](int column, int row, const QString& text) { return TakeEdit(column, row, text); });
    PlaceControls();
    ShowActiveCell();
    if (QMdiArea* area = mdiArea()) {
        connect(area, &QMdiArea::subWindowActivated, this, &EntryWindow::FollowActiveChild);
    }
    mStatusNote = new QLabel(QString::fromUtf8(kStatusNote));
    mStatusNote->setObjectName(QStringLiteral("entryNote"));
    mHost.AddStatusNote(mStatusNote);
}

void EntryWindow::PlaceClientArea() {
    const QMargins frame = contentsMargins();
    setGeometry(0, 0, TwipsToPixelsX(kClientWidth, *this) + frame.left() + frame.right(),
                TwipsToPixelsY(kClientHeight, *this) + frame.top() + frame.bottom());
}

void EntryWindow::PlaceControls() {
    QWidget* client = widget();
    if (client == nullptr || mCloseButton == nullptr) {
        return;  // still being built
    }
    const int margin = TwipsToPixelsX(kMarginTwips, *client);
    const int gap = TwipsToPixelsY(kGapTwips, *client);
    mIntro->setGeometry(margin, TwipsToPixelsY(kLabelTop, *client), mIntro->sizeHint().width(),
                        TwipsToPixelsY(kLabelHeightTwips, *client));
    const int gridTop = TwipsToPixelsY(kGridTop, *client);
    const QSize wanted = mGridView->sizeHint();
    const int width = std::max(0, std::min(wanted.width(), client->width() - 2 * margin));
    const int lineHeight = 2 * mRefusalLine->fontMetrics().lineSpacing();
    const int height =
        std::max(0, std::min(wanted.height(), client->height() - gridTop - 3 * gap - lineHeight -
                                                  mCloseButton->height()));
    mGridView->setGeometry(margin, gridTop, width, height);
    mRefusalLine->setGeometry(margin, gridTop + height + gap, std::max(width, 0), lineHeight);
    mCloseButton->move(margin + std::max(width, mCloseButton->width()) - mCloseButton->width(),
                       gridTop + height + 2 * gap + lineHeight);
}

void EntryWindow::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    PlaceControls();
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    if (mEntry != nullptr) {
        if (!FinishEditing()) {
            if (!mLastRefusal.isEmpty()) {
                ShowRefusal(this, mLastRefusal);
            }
            event->ignore();
            return;
        }
        if (const std::optional<EntryCell> wrong = FindWrongEntryCell(mEntry->Grid())) {
            ShowCell(*wrong);
            QString message = QStringLiteral("当選データの数字に誤りがあります。\n") +
                              DescribeWrongCell(wrong->column, wrong->row);
            if (mHost.IsClosing()) {
                message += QStringLiteral("\n直してから終了してください。");
            }
            ShowRefusal(this, message);
            event->ignore();
            return;
        }
        if (!SettleIncompleteDraws()) {
            event->ignore();
            return;
        }
    }
    mHost.SetBlocksEntry(*this, false);
    ShowOwnMenu(false);
    delete mStatusNote;
    QMdiSubWindow::closeEvent(event);
    if (mChanged && !mHost.IsClosing()) {
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
    QWidget* editor = mGridView->indexWidget(mGridView->currentIndex());
    if (editor == nullptr) {
        return true;
    }
    mLastEditRefused = false;
    mLastRefusal.clear();
    emit mGridView->itemDelegate()->commitData(editor);
    if (mLastEditRefused) {
        editor->setFocus();
        return false;
    }
    emit mGridView->itemDelegate()->closeEditor(editor);
    return true;
}

// Makes `cell` active and in view, in the active window, for the user to correct it.
void EntryWindow::ShowCell(const EntryCell& cell) {
    mEntry->Grid().ActivateCell(cell.column, cell.row);
    ShowActiveCell();
    if (QMdiArea* area = mdiArea()) {
        area->setActiveSubWindow(this);
    }
    mGridView->setFocus();
}

// Every analysis leaves out a draw with an empty number cell, so no such draw is kept without
// the user knowing: each is completed (the window stays open on its first empty cell) or
// removed. False when the window is to stay open.
bool EntryWindow::SettleIncompleteDraws() {
    int fromRow = 1;
    while (const std::optional<EntryCell> empty = FindIncompleteDraw(mEntry->Grid(), fromRow)) {
        if (!AskToRemoveIncompleteDraw(empty->row)) {
            ShowCell(*empty);
            return false;
        }
        const EntryOutcome outcome = mEntry->DeleteRow(empty->row);
        if (outcome.kind != EntryOutcome::Kind::kWritten) {
            ShowOutcome(outcome);
            return false;
        }
        mChanged = true;
        mGridView->Refresh();
        fromRow = empty->row;  // the next draw has moved up into this row
    }
    return true;
}

// True when the user chooses to remove the draw; continuing to type is the default.
bool EntryWindow::AskToRemoveIncompleteDraw(int row) {
    QStringList empty;
    for (const int column : EmptyNumberColumns(mEntry->Grid(), row)) {
        empty << QString::fromUtf8(entry::NumberColumnName(column));
    }
    const QString draw = QStringLiteral("第%1回").arg(mEntry->DrawNumberAt(row));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ピルモ"),
                    QStringLiteral("%1の数字がそろっていません（空欄：%2）。\n"
                                   "数字に空欄のある回は、分析にも予想にも使われません。\n\n"
                                   "数字を入力してそろえるか、この回を削除してください。")
                        .arg(draw, empty.join(QStringLiteral("、"))),
                    QMessageBox::NoButton, this);
    QPushButton* keepTyping =
        box.addButton(QStringLiteral("入力を続ける"), QMessageBox::RejectRole);
    QPushButton* remove =
        box.addButton(QStringLiteral("%1を削除").arg(draw), QMessageBox::DestructiveRole);
    box.setDefaultButton(keepTyping);
    box.setEscapeButton(keepTyping);
    box.exec();
    return box.clickedButton() == remove;
}

// A finished cell edit. A refused text stays in its cell, the reason beside it and under the
// grid; a failed write is reported once the editor has closed, so that no dialog opens while the
// view is still committing.
bool EntryWindow::TakeEdit(int column, int row, const QString& text) {
    const EntryOutcome outcome = mEntry->EditCell(column, row, text.toStdString());
    mChanged = mChanged || outcome.kind == EntryOutcome::Kind::kWritten;
    if (outcome.Ok()) {
        mRefusalLine->clear();
        QToolTip::hideText();
    }
    if (outcome.kind == EntryOutcome::Kind::kRefused) {
        mLastEditRefused = true;
        mLastRefusal = QStringLiteral("「%1」は入力できません。%2")
                           .arg(text.trimmed(), QString::fromUtf8(outcome.message));
        mHost.ShowStatusMessage(mLastRefusal);
        ShowRefusalAtCell(column, row);
    } else if (!outcome.Ok()) {
        mLastEditRefused = true;
        QMetaObject::invokeMethod(
            this, [this, outcome] { ShowOutcome(outcome); }, Qt::QueuedConnection);
    }
    return outcome.Ok();
}

void EntryWindow::ShowRefusalAtCell(int column, int row) {
    const QString draw = QString::number(mEntry->DrawNumberAt(row));
    const QString field = entry::IsNumberColumn(column)
                              ? QString::fromUtf8(entry::NumberColumnName(column))
                              : QStringLiteral("開催日");
    mRefusalLine->setText(QStringLiteral("第%1回の%2：%3").arg(draw, field, mLastRefusal));
    const QRect cell = mGridView->visualRect(mGridView->model()->index(row - 1, column - 1));
    QToolTip::showText(mGridView->viewport()->mapToGlobal(cell.bottomLeft()), mLastRefusal,
                       mGridView->viewport(), cell);
}

// What the check before closing found, for the user to find and correct it.
QString EntryWindow::DescribeWrongCell(int column, int row) const {
    const ResultGrid& grid = mEntry->Grid();
    const QString draw = QString::number(mEntry->DrawNumberAt(row));
    const QString field = QString::fromUtf8(entry::NumberColumnName(column));
    const std::string text = grid.CellText(column, row);
    if (ParseEntryText(text).kind == EntryText::Kind::kWrong) {
        return QStringLiteral("第%1回：%2の「%3」は1～31の範囲外です。")
            .arg(draw, field, QString::fromUtf8(text));
    }
    return QStringLiteral("第%1回：数字が重複しています（%2の%3）。")
        .arg(draw, field, QString::fromUtf8(text));
}

// A failed write has read the file again: the view shows what it now holds.
void EntryWindow::ShowOutcome(const EntryOutcome& outcome) {
    if (outcome.kind == EntryOutcome::Kind::kFailed) {
        mGridView->Refresh();
        ShowActiveCell();
    }
    if (!outcome.Ok()) {
        ShowRefusal(this, QString::fromUtf8(outcome.message));
    }
}

void EntryWindow::TakeActiveCellFromView() {
    const QModelIndex current = mGridView->currentIndex();
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
        mGridView->model()->index(grid.ActiveRow() - 1, grid.ActiveColumn() - 1);
    mGridView->setCurrentIndex(index);
    mGridView->scrollTo(index);
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
    if (own == mOwnMenuShown) {
        return;
    }
    mOwnMenuShown = own;
    mHost.ReplaceMenus(own ? mEditMenu : nullptr);
}

void EntryWindow::AddRow() {
    if (!FinishEditing() ||
        !Ask(QStringLiteral("選択された行のうしろに行を追加します。よろしいですか？"))) {
        return;
    }
    TakeActiveCellFromView();
    const ResultGrid& grid = mEntry->Grid();
    const EntryOutcome outcome = mEntry->AddRowAfter(grid.ActiveRow(), grid.ActiveColumn());
    if (outcome.kind == EntryOutcome::Kind::kWritten) {
        mChanged = true;
        mGridView->Refresh();
        ShowActiveCell();
    }
    ShowOutcome(outcome);
}

void EntryWindow::DeleteRow() {
    if (!FinishEditing() || !Ask(QStringLiteral("選択された行を削除します。よろしいですか？"))) {
        return;
    }
    TakeActiveCellFromView();
    const EntryOutcome outcome = mEntry->DeleteRow(mEntry->Grid().ActiveRow());
    if (outcome.kind == EntryOutcome::Kind::kWritten) {
        mChanged = true;
        mGridView->Refresh();
        ShowActiveCell();
    }
    ShowOutcome(outcome);
}

// A right click on a draw's row makes that cell active and offers the edit menu.
void EntryWindow::ShowEditMenuAt(const QPoint& position) {
    const QModelIndex index = mGridView->indexAt(position);
    if (!index.isValid()) {
        return;
    }
    mGridView->setCurrentIndex(index);
    mEditMenu->exec(mGridView->viewport()->mapToGlobal(position));
}

}  // namespace pirumo
