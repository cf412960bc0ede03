#pragma once

#include <QString>

class QLabel;
class QMenu;
class QWidget;

namespace pirumo {

class DrawHistory;

// What a child window may ask of the window that holds it. The main window is one host; tests
// and benchmarks use a small one of their own. A host outlives the windows it holds.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    // The history snapshot; it lives as long as the host. The main window reads it again after
    // the history file changed and then has its windows recompute.
    virtual const DrawHistory& History() const = 0;
    // What the analysis windows count: the history restricted to the 分析範囲 the user chose,
    // and that range as their captions and printouts name it (empty for 全期間). The windows
    // recompute when it changes.
    virtual const DrawHistory& AnalysisHistory() const { return History(); }
    virtual QString AnalysisRangeCaption() const { return {}; }
    // Manual entry is refused while any window that blocks it is open; each window says for
    // itself whether it blocks, and stops blocking when it closes.
    virtual void SetBlocksEntry(const QWidget& window, bool blocks) = 0;
    // Shows `note` at the right of the status bar until the note is deleted.
    virtual void AddStatusNote(QLabel* note) = 0;
    // A short message in the status bar that goes after a few seconds.
    virtual void ShowStatusMessage(const QString& message) = 0;
    // Shows `menu` alone in the menu bar; nullptr brings the host's own menus back.
    virtual void ReplaceMenus(QMenu* menu) = 0;
    // True once the program has begun to exit: windows then close without asking.
    virtual bool IsClosing() const = 0;
    // The parent of message boxes.
    virtual QWidget* DialogParent() = 0;

protected:
    WindowHost() = default;
    WindowHost(const WindowHost&) = default;
    WindowHost& operator=(const WindowHost&) = default;
};

}  // namespace pirumo
