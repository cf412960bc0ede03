#include "app/analysisrangechoice.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>

#include "app/drawrangedialog.h"
#include "history/drawrangesetting.h"
#include "history/historyerror.h"
#include "widgets/messageboxes.h"

namespace pirumo {

namespace {

constexpr int kOfferedLastDraws[] = {50, 100, 300};

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text);
}

}  // namespace

AnalysisRangeChoice::AnalysisRangeChoice(QMenu& analysisMenu, std::filesystem::path settingsFile,
                                         QWidget& parent)
    : QObject(&parent),
      mSettingsFile(std::move(settingsFile)),
      mParent(parent),
      mChosen(ReadDrawRangeSetting(mSettingsFile)) {
    auto* menu = new QMenu(QStringLiteral("分析範囲(&R)"), &analysisMenu);
    menu->setObjectName(QStringLiteral("analysisRangeMenu"));
    menu->menuAction()->setObjectName(QStringLiteral("analysisRangeMenu"));
    QAction* first = analysisMenu.actions().value(0);
    analysisMenu.insertMenu(first, menu);
    analysisMenu.insertSeparator(first);

    mGroup = new QActionGroup(this);
    mEverythingItem = AddItem(*menu, "everythingRangeAction", QStringLiteral("全期間"));
    connect(mEverythingItem, &QAction::triggered, this,
            [this] { Choose(DrawRange::Everything()); });
    for (const int count : kOfferedLastDraws) {
        QAction* item = AddItem(*menu, "", FromUtf8(DrawRangeName(DrawRange::Last(count))));
        item->setObjectName(QStringLiteral("last%1RangeAction").arg(count));
        item->setData(count);
        connect(item, &QAction::triggered, this, [this, count] { Choose(DrawRange::Last(count)); });
    }
    mLastDrawsItem = AddItem(*menu, "lastDrawsRangeAction", {});
    connect(mLastDrawsItem, &QAction::triggered, this, &AnalysisRangeChoice::ChooseLastDraws);
    mBetweenItem = AddItem(*menu, "betweenRangeAction", {});
    connect(mBetweenItem, &QAction::triggered, this, &AnalysisRangeChoice::ChooseBetween);

    mNote = new QLabel(&parent);
    mNote->setObjectName(QStringLiteral("analysisRangeNote"));
    mNote->hide();
    ShowChoice();
}

QAction* AnalysisRangeChoice::AddItem(QMenu& menu, const char* name, const QString& caption) {
    QAction* item = menu.addAction(caption);
    item->setObjectName(QString::fromUtf8(name));
    item->setCheckable(true);
    mGroup->addAction(item);
    return item;
}

void AnalysisRangeChoice::UseHistory(const DrawHistory& whole) {
    mWhole = &whole;
    Restrict();
}

const DrawHistory& AnalysisRangeChoice::History(const DrawHistory& whole) const {
    return mApplied.IsEverything() ? whole : mRestricted;
}

void AnalysisRangeChoice::Restrict() {
    mApplied = mChosen;
    mRestricted = DrawHistory();
    mCaption.clear();
    mNote->setToolTip({});
    if (mWhole != nullptr && !mChosen.IsEverything()) {
        if (const std::string problem = DrawRangeProblem(mChosen, *mWhole); problem.empty()) {
            mRestricted = RestrictHistory(*mWhole, mChosen);
            mCaption = FromUtf8(DrawRangeCaption(mChosen, mRestricted));
        } else {
            mApplied = DrawRange::Everything();
            mNote->setToolTip(FromUtf8(problem) + QStringLiteral("全期間で分析しています。"));
        }
    }
    ShowChoice();
}

// The menu checks the chosen range; the item of a typed range shows its value.
void AnalysisRangeChoice::ShowChoice() {
    mLastDrawsItem->setText(QStringLiteral("直近の回数を指定..."));
    mBetweenItem->setText(QStringLiteral("回の範囲を指定..."));
    QAction* checked = mEverythingItem;
    if (mChosen.kind == DrawRange::Kind::Last) {
        checked = mLastDrawsItem;
        for (QAction* item : mGroup->actions()) {
            if (item->data().toInt() == mChosen.count) {
                checked = item;
            }
        }
        if (checked == mLastDrawsItem) {
            mLastDrawsItem->setText(
                QStringLiteral("直近の回数を指定（%1）...").arg(FromUtf8(DrawRangeName(mChosen))));
        }
    } else if (mChosen.kind == DrawRange::Kind::Between) {
        checked = mBetweenItem;
        mBetweenItem->setText(
            QStringLiteral("回の範囲を指定（%1）...").arg(FromUtf8(DrawRangeName(mChosen))));
    }
    checked->setChecked(true);
    if (mChosen.IsEverything()) {
        mNote->hide();
    } else {
        mNote->setText(QStringLiteral("分析範囲: ") +
                       (mApplied.IsEverything() ? QStringLiteral("全期間（%1 に当選データなし）")
                                                      .arg(FromUtf8(DrawRangeName(mChosen)))
                                                : FromUtf8(DrawRangeName(mChosen))));
        mNote->show();
    }
}

void AnalysisRangeChoice::Choose(const DrawRange& range) {
    if (mWhole != nullptr) {
        if (const std::string problem = DrawRangeProblem(range, *mWhole); !problem.empty()) {
            ShowRefusal(&mParent, FromUtf8(problem));
            ShowChoice();
            return;
        }
    }
    try {
        SaveDrawRangeSetting(mSettingsFile, range);
    } catch (const HistoryError& error) {
        // The range is used all the same; only the next start will not remember it.
        ShowRefusal(&mParent, FromUtf8(error.what()));
    }
    mChosen = range;
    Restrict();
    emit changed();
}

void AnalysisRangeChoice::ChooseLastDraws() {
    bool accepted = false;
    const int count =
        QInputDialog::getInt(&mParent, QStringLiteral("分析範囲"),
                             QStringLiteral("直近の何回を分析しますか（有効な当選データの回数）:"),
                             mChosen.kind == DrawRange::Kind::Last ? mChosen.count : 100, 1,
                             kMaxDrawNumber, 1, &accepted);
    if (accepted) {
        Choose(DrawRange::Last(count));
    } else {
        ShowChoice();
    }
}

void AnalysisRangeChoice::ChooseBetween() {
    int from = 1;
    int to = mWhole != nullptr && mWhole->LastDrawNumber() > 0 ? mWhole->LastDrawNumber() : 1;
    if (mChosen.kind == DrawRange::Kind::Between) {
        from = mChosen.from > 0 ? mChosen.from : from;
        to = mChosen.to > 0 ? mChosen.to : to;
    }
    DrawRangeDialog dialog(from, to, &mParent);
    if (dialog.exec() == QDialog::Accepted) {
        Choose(DrawRange::Between(dialog.From(), dialog.To()));
    } else {
        ShowChoice();
    }
}

}  // namespace pirumo
