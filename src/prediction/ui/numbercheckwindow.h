#pragma once

#include <QMdiSubWindow>
#include <array>
#include <filesystem>

class QLineEdit;
class QPlainTextEdit;

namespace pirumo {

class WindowHost;

// 数字チェック: five numbers of the user's against every draw of the host's history, with the
// odds. Each check reads the history at once and keeps nothing of it, so the window does not
// block manual entry.
class NumberCheckWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    // With a history file, the numbers may be saved there as a ticket bought for the next draw.
    explicit NumberCheckWindow(WindowHost& host, std::filesystem::path historyFile = {});

    // Checks the five fields against the history as it is now; wrong input is refused with a
    // message and changes nothing.
    void Check();

    QLineEdit* NumberField(int index) const { return mNumbers[static_cast<std::size_t>(index)]; }
    QString ResultText() const;
    // Saves the five fields as a ticket for the draw after the newest one.
    void SaveTicket();

private:
    WindowHost& mHost;
    std::filesystem::path mHistoryFile;
    std::array<QLineEdit*, 5> mNumbers{};
    QPlainTextEdit* mResult = nullptr;
};

}  // namespace pirumo
