#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <tuple>

#include "history/store/historyfile.h"
#include "history/store/sqlcipherdatabase.h"
#include "history/ui/entrywindow.h"
#include "mainwindowfixture.h"
#include "modalanswerer.h"
#include "testwindowhost.h"
#include "widgets/gridview.h"
#include "widgets/twips.h"

namespace pirumo::test {
namespace {

const QString kRefusalTitle = QStringLiteral("メッセ\uFF0Dジ");
const QString kWrongNumber = QStringLiteral("当選データの数字に誤りがあります。");
const QString kNotANumber =
    QStringLiteral("数字は1から31までの整数で入力してください（空欄も可）。");
const QString kAddQuestion =
    QStringLiteral("選択された行のうしろに行を追加します。よろしいですか？");
const QString kDeleteQuestion = QStringLiteral("選択された行を削除します。よろしいですか？");

using Numbers = std::array<std::optional<long long>, 6>;

// Answers a Yes/No question after checking that No is its default.
ModalAnswerer::Answer Reply(QMessageBox::StandardButton answer) {
    return [answer](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        box->button(answer)->click();
    };
}

GridView& View(EntryWindow& entry) {
    return *entry.findChild<GridView*>(QStringLiteral("gridView"));
}

std::vector<StoredRow> FileRows(const std::filesystem::path& file) {
    return HistoryFileEditor(file).ReadAll();
}

// Types `text` into cell (column, row) as a user does: the first key starts editing, Enter
// finishes. Returns the dialogs that appeared.
std::vector<ModalAnswerer::Dialog> Type(EntryWindow& entry, int column, int row,
                                        const QString& text) {
    ModalAnswerer answerer;
    GridView& view = View(entry);
    const QModelIndex index = view.model()->index(row - 1, column - 1);
    view.setCurrentIndex(index);
    QTest::keyClick(&view, text.at(0).toLatin1());
    if (QWidget* editor = view.indexWidget(index)) {
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QApplication::processEvents();
    QApplication::processEvents();
    return answerer.Seen();
}

QString Text(EntryWindow& entry, int column, int row) {
    return QString::fromUtf8(entry.Grid().CellText(column, row));
}

QModelIndex Current(EntryWindow& entry) {
    return View(entry).currentIndex();
}

void SelectRow(EntryWindow& entry, int row, int column = 2) {
    View(entry).setCurrentIndex(View(entry).model()->index(row - 1, column - 1));
}

void Trigger(EntryWindow& entry, const char* name, std::vector<ModalAnswerer::Answer> answers,
             std::vector<ModalAnswerer::Dialog>* seen = nullptr) {
    ModalAnswerer answerer(std::move(answers));
    entry.findChild<QAction*>(QString::fromUtf8(name))->trigger();
    QApplication::processEvents();
    if (seen != nullptr) {
        *seen = answerer.Seen();
    }
}

// The entry window on a small host, over a history file.
class EntryWindowTest : public HistoryFileTest {
protected:
    EntryWindow* OpenEntry() {
        // The area makes a child active, and gives it its menu, only in the active window.
        mHost.Window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&mHost.Window()));
        EntryWindow& entry = mHost.Add(new EntryWindow(HistoryPath(), mHost));
        entry.Load();
        entry.show();
        mHost.Area().setActiveSubWindow(&entry);
        return &entry;
    }

    std::vector<StoredRow> FileRows() const { return test::FileRows(HistoryPath()); }

    // The windows still open.
    std::size_t OpenWindows() {
        FlushDeletes();
        return static_cast<std::size_t>(mHost.Area().subWindowList().size());
    }

    TestWindowHost mHost;
};

// The entry window as the main window's menu opens it beside the other windows.
class EntryInMainWindowTest : public MainWindowTest {
protected:
    EntryWindow* OpenEntry(std::vector<ModalAnswerer::Dialog>* seen = nullptr) {
        ModalAnswerer answerer;
        Choose("openEntryAction");
        if (seen != nullptr) {
            *seen = answerer.Seen();
        }
        return qobject_cast<EntryWindow*>(mMain->MdiArea().currentSubWindow());
    }

    std::vector<StoredRow> FileRows() const { return test::FileRows(HistoryPath()); }

    QStringList VisibleMenus() const {
        QStringList names;
        for (QAction* action : mMain->menuBar()->actions()) {
            if (action->isVisible()) {
                names << action->objectName();
            }
        }
        return names;
    }
};

TEST_F(EntryWindowTest, OpensWithItsControlsAtTheTopLeftWithItsClientSize) {
    WriteHistory(PatternDraws(60));
    EntryWindow* entry = OpenEntry();
    EXPECT_EQ(entry->objectName(), QStringLiteral("当選データ入力"));
    EXPECT_EQ(entry->windowTitle(), QStringLiteral("当選データ入力"));
    EXPECT_EQ(entry->findChild<QLabel*>(QStringLiteral("introLabel"))->text(),
              QStringLiteral("当選数字を開催回数毎に入力します（分析対象データとなります）"));
    EXPECT_EQ(entry->findChild<QPushButton*>(QStringLiteral("closeButton"))->text(),
              QStringLiteral("閉じる"));
    EXPECT_EQ(entry->pos(), QPoint(0, 0));
    EXPECT_EQ(entry->widget()->size(), TwipsToPixels(0, 0, 7680, 12825, *entry).size());
    auto* note = mHost.Window().statusBar()->findChild<QLabel*>(QStringLiteral("entryNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QStringLiteral("閉じたときに反映")));
    EXPECT_EQ(mHost.Menu(), entry->EditMenu());
    EXPECT_FALSE(mHost.EntryAllowed());

    EXPECT_EQ(entry->Grid().RowCount(), 60);
    EXPECT_EQ(Text(*entry, 1, 60), QStringLiteral("60"));
    // The newest draw is active and in view.
    EXPECT_EQ(Current(*entry), View(*entry).model()->index(59, 1));
    EXPECT_TRUE(
        View(*entry).viewport()->rect().intersects(View(*entry).visualRect(Current(*entry))));
}

TEST_F(EntryInMainWindowTest, ChoosingEntryAgainBringsTheOpenEntryWindowForward) {
    WriteHistory(PatternDraws(5));
    Start();
    std::vector<ModalAnswerer::Dialog> seen;
    EntryWindow* entry = OpenEntry(&seen);
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(seen.empty());
    QMdiSubWindow* analysis = ChooseWindow("openEvenOddPatternAction");
    ASSERT_NE(analysis, entry);

    EXPECT_EQ(OpenEntry(&seen), entry);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Children().size(), 2u);
}

TEST_F(EntryInMainWindowTest, GuardAllowsEntryWhileTheEvenOddPatternWindowIsOpen) {
    WriteHistory(PatternDraws(5));
    Start();
    QMdiSubWindow* pattern = ChooseWindow("openEvenOddPatternAction");
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(pattern->objectName(), QStringLiteral("偶数奇数の組合せパターン分析"));

    std::vector<ModalAnswerer::Dialog> seen;
    EXPECT_NE(OpenEntry(&seen), nullptr);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Children().size(), 2u);
}

TEST_F(EntryInMainWindowTest, ItsEditMenuReplacesTheMainMenusWhileItIsTheActiveChild) {
    WriteHistory(PatternDraws(5));
    Start();
    const QStringList mainMenus = VisibleMenus();
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(VisibleMenus(), QStringList{QStringLiteral("editMenu")});
    QMenu* edit = entry->EditMenu();
    EXPECT_EQ(edit->title(), QStringLiteral("編集(&E)"));
    const QList<QAction*> items = edit->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->objectName(), QStringLiteral("addRowAction"));
    EXPECT_EQ(items[0]->text(), QStringLiteral("行追加"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_EQ(items[1]->objectName(), QStringLiteral("deleteRowAction"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("行削除"));
    EXPECT_EQ(items[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));

    // Another child active: the main menus; the entry window again: its own menu.
    QMdiSubWindow* analysis = ChooseWindow("openAppearanceCountAction");
    EXPECT_EQ(VisibleMenus(), mainMenus);
    mMain->MdiArea().setActiveSubWindow(entry);
    EXPECT_EQ(VisibleMenus(), QStringList{QStringLiteral("editMenu")});
    mMain->MdiArea().setActiveSubWindow(analysis);
    analysis->close();
    mMain->MdiArea().setActiveSubWindow(entry);
    EXPECT_EQ(VisibleMenus(), QStringList{QStringLiteral("editMenu")});

    // No child left: the main menus, and the status bar note has gone too.
    entry->close();
    EXPECT_TRUE(Children().empty());
    EXPECT_EQ(VisibleMenus(), mainMenus);
    EXPECT_EQ(mMain->statusBar()->findChild<QLabel*>(QStringLiteral("entryNote")), nullptr);
}

TEST_F(EntryWindowTest, TypedNumbersOutsideOneToThirtyOneAreRefusedAndFullWidthDigitsConverted) {
    WriteHistory(PatternDraws(3));
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    const Numbers before = FileRows()[1].numbers;
    const QString old = Text(*entry, 3, 2);

    // Refused: a note in the status bar, and the cell stays in edit with what was typed.
    GridView& cells = View(*entry);
    const QModelIndex cell = cells.model()->index(1, 2);
    for (const QString& text : {QStringLiteral("0"), QStringLiteral("32"), QStringLiteral("1.5"),
                                QStringLiteral("abc")}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_TRUE(Type(*entry, 3, 2, text).empty());
        EXPECT_EQ(mHost.StatusMessage(),
                  QStringLiteral("「%1」は入力できません。").arg(text) + kNotANumber);
        auto* editor = qobject_cast<QLineEdit*>(cells.indexWidget(cell));
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), text);
        EXPECT_EQ(Text(*entry, 3, 2), old);
        EXPECT_EQ(FileRows()[1].numbers, before);
        QTest::keyClick(editor, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_EQ(cells.indexWidget(cell), nullptr);
    }

    // Clicking another cell does not drop it either.
    Type(*entry, 3, 2, QStringLiteral("32"));
    const QPoint elsewhere = cells.visualRect(cells.model()->index(0, 4)).center();
    QTest::mouseClick(cells.viewport(), Qt::LeftButton, {}, elsewhere);
    QApplication::processEvents();
    ASSERT_NE(qobject_cast<QLineEdit*>(cells.indexWidget(cell)), nullptr);
    EXPECT_EQ(qobject_cast<QLineEdit*>(cells.indexWidget(cell))->text(), QStringLiteral("32"));
    EXPECT_EQ(cells.currentIndex(), cell);
    QTest::keyClick(cells.indexWidget(cell), Qt::Key_Escape);
    QApplication::processEvents();

    EXPECT_TRUE(Type(*entry, 3, 2, QStringLiteral("30")).empty());
    EXPECT_EQ(Text(*entry, 3, 2), QStringLiteral("30"));
    EXPECT_EQ(FileRows()[1].numbers[1], 30);

    // A Japanese input method hands over full-width digits.
    GridView& view = View(*entry);
    const QModelIndex bonus = view.model()->index(1, 6);
    view.setCurrentIndex(bonus);
    view.edit(bonus);
    auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(bonus));
    ASSERT_NE(editor, nullptr);
    editor->clear();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("２５"));
    QApplication::sendEvent(editor, &commit);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Text(*entry, 7, 2), QStringLiteral("25"));
    EXPECT_EQ(FileRows()[1].numbers[5], 25);
}

TEST_F(EntryWindowTest, ACellStillBeingTypedInIsFinishedBeforeClosing) {
    WriteHistory(PatternDraws(3));
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    GridView& view = View(*entry);
    const QModelIndex cell = view.model()->index(0, 2);
    for (const auto& [text, closes] : {std::pair("0", false), std::pair("7", true)}) {
        view.setCurrentIndex(cell);
        view.edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(cell));
        ASSERT_NE(editor, nullptr);
        editor->setText(QString::fromUtf8(text));
        ModalAnswerer answerer;
        entry->close();
        QApplication::processEvents();
        EXPECT_EQ(answerer.Seen().size(), closes ? 0u : 1u);
        EXPECT_EQ(OpenWindows(), closes ? 0u : 1u);
    }
    EXPECT_EQ(FileRows()[0].numbers[1], 7);
}

TEST_F(EntryWindowTest, TheDrawNumberColumnCannotBeTypedInto) {
    WriteHistory(PatternDraws(3));
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    GridView& view = View(*entry);
    const QModelIndex draw = view.model()->index(1, 0);
    view.setCurrentIndex(draw);
    QTest::keyClicks(&view, QStringLiteral("9"));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(draw).center());
    QApplication::processEvents();
    EXPECT_EQ(view.indexWidget(draw), nullptr);
    EXPECT_FALSE(view.model()->flags(draw) & Qt::ItemIsEditable);
    EXPECT_FALSE(view.model()->setData(draw, QStringLiteral("9")));
    EXPECT_EQ(Text(*entry, 1, 2), QStringLiteral("2"));
    EXPECT_EQ(FileRows()[1].drawNumber, 2);
}

TEST_F(EntryWindowTest, AnsweringNoToEitherQuestionChangesNothing) {
    WriteHistory(PatternDraws(4));
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    SelectRow(*entry, 2);
    for (const auto& [item, question] :
         {std::pair("addRowAction", kAddQuestion), std::pair("deleteRowAction", kDeleteQuestion)}) {
        SCOPED_TRACE(item);
        std::vector<ModalAnswerer::Dialog> seen;
        Trigger(*entry, item, {Reply(QMessageBox::No)}, &seen);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, question);
        EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
        EXPECT_EQ(seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(entry->Grid().RowCount(), 4);
        EXPECT_EQ(FileRows().size(), 4u);
        EXPECT_EQ(Current(*entry).row(), 1);
    }
}

TEST_F(EntryWindowTest, AddingAfterTheLastRowWritesTheNextDraw) {
    WriteHistory(PatternDraws(4));
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    SelectRow(*entry, 4, 5);
    Trigger(*entry, "addRowAction", {Reply(QMessageBox::Yes)});

    ASSERT_EQ(entry->Grid().RowCount(), 5);
    EXPECT_EQ(Text(*entry, 1, 5), QStringLiteral("5"));
    EXPECT_EQ(Current(*entry), View(*entry).model()->index(4, 4));
    const auto rows = FileRows();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[4].drawNumber, 5);
    EXPECT_EQ(rows[4].numbers, Numbers{});

    // The new draw takes its numbers at once.
    EXPECT_TRUE(Type(*entry, 5, 5, QStringLiteral("17")).empty());
    EXPECT_EQ(FileRows()[4].numbers[3], 17);
}

TEST_F(EntryWindowTest, DeletingARowRemovesTheDrawFromTheFile) {
    WriteHistory(PatternDraws(4));
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    SelectRow(*entry, 2, 1);
    Trigger(*entry, "deleteRowAction", {Reply(QMessageBox::Yes)});

    ASSERT_EQ(entry->Grid().RowCount(), 3);
    EXPECT_EQ(Text(*entry, 1, 2), QStringLiteral("3"));
    std::vector<int> draws;
    for (const StoredRow& row : FileRows()) {
        draws.push_back(row.drawNumber);
    }
    EXPECT_EQ(draws, (std::vector<int>{1, 3, 4}));
}

TEST_F(EntryWindowTest, ShortcutKeysAndTheRightClickMenuReachTheSameItems) {
    WriteHistory(PatternDraws(4));
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    GridView& view = View(*entry);
    SelectRow(*entry, 4);
    for (const auto& [key, question, rows] :
         {std::tuple(Qt::Key_A, kAddQuestion, 5u), std::tuple(Qt::Key_D, kDeleteQuestion, 4u)}) {
        // The offscreen platform does not hand the activation back after a message box.
        mHost.Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&mHost.Window()));
        ModalAnswerer answerer({Reply(QMessageBox::Yes)});
        QTest::keyClick(&view, key, Qt::ControlModifier);
        QApplication::processEvents();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        EXPECT_EQ(answerer.Seen()[0].text, question);
        EXPECT_EQ(FileRows().size(), rows);
    }

    // A right click on row 2 makes that cell active and pops up the edit menu.
    QStringList popped;
    QTimer::singleShot(0, [&popped] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                popped << action->objectName();
            }
            menu->close();
        }
    });
    const QPoint point = view.visualRect(view.model()->index(1, 3)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, point, view.viewport()->mapToGlobal(point));
    QApplication::sendEvent(view.viewport(), &click);
    EXPECT_EQ(popped,
              (QStringList{QStringLiteral("addRowAction"), QStringLiteral("deleteRowAction")}));
    EXPECT_EQ(Current(*entry), view.model()->index(1, 3));
}

// The reason is shown beside the cell and under the grid, not only in the status bar.
TEST_F(EntryWindowTest, ANumberRepeatedWithinTheDrawIsRefusedAsTypedWithTheReasonBesideTheCell) {
    WriteHistory(PatternDraws(3));  // draw 2: 3 8 14 20 26, bonus 1
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    const Numbers before = FileRows()[1].numbers;
    auto* line = entry->findChild<QLabel*>(QStringLiteral("refusalLine"));
    EXPECT_TRUE(Type(*entry, 7, 2, QStringLiteral("3")).empty());
    EXPECT_EQ(line->text(), QStringLiteral("第2回のボーナス数字：") + mHost.StatusMessage());
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(QToolTip::text(),
              QStringLiteral("「3」は入力できません。この回の第1数字と同じ数字です。"
                             "同じ回に同じ数字は入りません（ボーナス数字も）。"));
    EXPECT_EQ(FileRows()[1].numbers, before);

    QTest::keyClick(View(*entry).indexWidget(View(*entry).model()->index(1, 6)), Qt::Key_Escape);
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_TRUE(Type(*entry, 7, 2, QStringLiteral("30")).empty());
    EXPECT_EQ(FileRows()[1].numbers[5], 30);
}

// The analyses leave out a draw with an empty number: such a draw never stays unnoticed.
TEST_F(EntryWindowTest, ClosingWithHalfFilledDrawsAsksToCompleteOrRemoveEach) {
    WriteHistory(PatternDraws(3));
    HistoryFileEditor(HistoryPath()).SetNumber(2, 5, std::nullopt);  // draw 2 without its bonus
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    SelectRow(*entry, 3);
    Trigger(*entry, "addRowAction", {Reply(QMessageBox::Yes)});
    EXPECT_TRUE(Type(*entry, 2, 4, QStringLiteral("5")).empty());

    // 入力を続ける (Esc too): the window stays, on the draw's first empty cell.
    {
        ModalAnswerer keepTyping;
        entry->close();
        ASSERT_EQ(keepTyping.Seen().size(), 1u);
        EXPECT_EQ(keepTyping.Seen()[0].text,
                  QStringLiteral("第2回の数字がそろっていません（空欄：ボーナス数字）。\n"
                                 "数字に空欄のある回は、分析にも予想にも使われません。\n\n"
                                 "数字を入力してそろえるか、この回を削除してください。"));
        EXPECT_TRUE(keepTyping.Seen()[0].captions.contains(QStringLiteral("入力を続ける")));
    }
    EXPECT_EQ(OpenWindows(), 1u);
    EXPECT_EQ(Current(*entry), View(*entry).model()->index(1, 6));

    // Removing: each draw in turn leaves the file, and then the window closes.
    ModalAnswerer remove(
        {ClickButton(QStringLiteral("第2回を削除")), ClickButton(QStringLiteral("第4回を削除"))});
    entry->close();
    ASSERT_EQ(remove.Seen().size(), 2u);
    EXPECT_TRUE(remove.Seen()[1].text.contains(QStringLiteral("（空欄：第2数字、第3数字、")));
    EXPECT_EQ(OpenWindows(), 0u);
    ASSERT_EQ(FileRows().size(), 2u);
    EXPECT_EQ(FileRows()[1].drawNumber, 3);
}

// Each case stores a wrong value behind the window's back, as an older file might hold it.
struct WrongCase {
    const char* name;
    int field;
    long long value;
    int column;           // the cell the check points at, in row 3
    const char* problem;  // what the message says is wrong
};

TEST_F(EntryWindowTest, TheCheckBeforeClosingHoldsTheWindowOnTheFirstWrongCellEitherWay) {
    const WrongCase cases[] = {
        {"a main number of 0", 1, 0, 3, "第3回：第2数字の「0」は1～31の範囲外です。"},
        {"a bonus of 32", 5, 32, 7, "第3回：ボーナス数字の「32」は1～31の範囲外です。"},
        {"a repeated number", 3, -1, 5, "第3回：数字が重複しています（第4数字の"},
    };
    WriteHistory(PatternDraws(5));
    for (const WrongCase& wrong : cases) {
        for (const bool byCloseBox : {false, true}) {
            SCOPED_TRACE(std::string(wrong.name) + (byCloseBox ? " / close box" : " / 閉じる"));
            const Numbers good = FileRows()[2].numbers;
            {
                HistoryFileEditor editor(HistoryPath());
                // -1: repeat the draw's first number.
                editor.SetNumber(3, wrong.field, wrong.value < 0 ? *good[0] : wrong.value);
            }
            EntryWindow* entry = OpenEntry();
            ASSERT_NE(entry, nullptr);
            SelectRow(*entry, 1);
            ModalAnswerer answerer;
            if (byCloseBox) {
                entry->close();
            } else {
                entry->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
            }
            ASSERT_EQ(answerer.Seen().size(), 1u);
            EXPECT_TRUE(answerer.Seen()[0].text.startsWith(kWrongNumber + QStringLiteral("\n") +
                                                           QString::fromUtf8(wrong.problem)))
                << answerer.Seen()[0].text.toStdString();
            EXPECT_EQ(answerer.Seen()[0].title, kRefusalTitle);
            EXPECT_EQ(answerer.Seen()[0].icon, QMessageBox::Critical);
            ASSERT_EQ(OpenWindows(), 1u);
            EXPECT_EQ(Current(*entry), View(*entry).model()->index(2, wrong.column - 1));

            // Corrected, the window closes and allows manual entry again.
            EXPECT_TRUE(Type(*entry, wrong.column, 3,
                             QString::number(*good[static_cast<std::size_t>(wrong.column - 2)]))
                            .empty());
            entry->close();
            EXPECT_EQ(OpenWindows(), 0u);
            EXPECT_EQ(answerer.Seen().size(), 1u);
            EXPECT_EQ(FileRows()[2].numbers, good);
        }
    }
    EXPECT_TRUE(mHost.EntryAllowed());
}

// Exiting must not leave a wrong row behind unnoticed: the exit waits on the same check.
TEST_F(EntryInMainWindowTest, ExitStopsAtTheCheckByTheMenuOrTheCloseBox) {
    WriteHistory(PatternDraws(3));
    {
        HistoryFileEditor editor(HistoryPath());
        editor.SetNumber(2, 0, 40);
    }
    Start();
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    SelectRow(*entry, 3);
    for (const bool byMenu : {true, false}) {
        SCOPED_TRACE(byMenu ? "終了" : "close box");
        ModalAnswerer answerer;
        if (byMenu) {
            Choose("exitAction");
        } else {
            EXPECT_FALSE(mMain->close());
        }
        QApplication::processEvents();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        EXPECT_EQ(answerer.Seen()[0].text,
                  kWrongNumber + QStringLiteral("\n第2回：第1数字の「40」は1～31の"
                                                "範囲外です。\n直してから終了して"
                                                "ください。"));
        EXPECT_TRUE(mMain->isVisible());
        EXPECT_EQ(Children(), std::vector<QMdiSubWindow*>{entry});
        EXPECT_EQ(Current(*entry), View(*entry).model()->index(1, 1));
    }

    EXPECT_TRUE(Type(*entry, 2, 2, QStringLiteral("9")).empty());
    ModalAnswerer answerer;
    Choose("exitAction");
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_FALSE(mMain->isVisible());
    EXPECT_TRUE(Children().empty());
}

TEST_F(EntryWindowTest, AFailedWriteIsReportedAndTheGridShowsTheFileAgain) {
    WriteHistory(PatternDraws(3));
    EntryWindow* entry = OpenEntry();
    ASSERT_NE(entry, nullptr);
    const QString old = Text(*entry, 2, 2);

    SqlCipherDatabase other(HistoryPath(), SqlCipherDatabase::Mode::kReadWrite);
    other.Execute("DELETE FROM 当選データ WHERE 回数 = 3");
    other.Execute("BEGIN IMMEDIATE");
    const auto seen = Type(*entry, 2, 2, QStringLiteral("29"));
    other.Execute("ROLLBACK");

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].text.contains(QStringLiteral("書き込めませんでした")));
    EXPECT_EQ(Text(*entry, 2, 2), old);
    EXPECT_EQ(entry->Grid().RowCount(), 2);
    EXPECT_EQ(View(*entry).model()->rowCount(), 2);
    EXPECT_EQ(FileRows().size(), 2u);
}

}  // namespace
}  // namespace pirumo::test
