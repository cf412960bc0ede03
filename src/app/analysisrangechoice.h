#pragma once

#include <QObject>
#include <QString>
#include <filesystem>

#include "history/drawhistory.h"
#include "history/drawrange.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QWidget;

namespace pirumo {

// The 分析範囲 of the main window: the submenu that chooses it, the range remembered in the
// settings file, and the history restricted to it that every analysis window counts.
class AnalysisRangeChoice : public QObject {
    Q_OBJECT

public:
    // Adds the submenu at the top of `analysisMenu` and reads the saved range.
    AnalysisRangeChoice(QMenu& analysisMenu, std::filesystem::path settingsFile, QWidget& parent);

    // Restricts the history anew; a saved range that holds none of its draws gives way to 全期間
    // for this history, and the status bar says so.
    void UseHistory(const DrawHistory& whole);

    // What the analysis windows count: `whole` itself for 全期間.
    const DrawHistory& History(const DrawHistory& whole) const;
    // The range as captions and printouts name it; empty for 全期間.
    QString Caption() const { return mCaption; }
    // The status-bar note naming the range; hidden for 全期間.
    QLabel& Note() const { return *mNote; }

signals:
    // The range or the history changed: the analysis windows recompute.
    void changed();

private:
    QAction* AddItem(QMenu& menu, const char* name, const QString& caption);
    void Choose(const DrawRange& range);
    void ChooseLastDraws();
    void ChooseBetween();
    void Restrict();
    void ShowChoice();

    std::filesystem::path mSettingsFile;
    QWidget& mParent;
    const DrawHistory* mWhole = nullptr;
    DrawRange mChosen;   // as the user chose it and the settings file holds it
    DrawRange mApplied;  // the chosen range, or 全期間 when it holds no draw of the history
    DrawHistory mRestricted;
    QString mCaption;
    QActionGroup* mGroup = nullptr;
    QAction* mEverythingItem = nullptr;
    QAction* mLastDrawsItem = nullptr;
    QAction* mBetweenItem = nullptr;
    QLabel* mNote = nullptr;
};

}  // namespace pirumo
