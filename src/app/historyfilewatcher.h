#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <filesystem>
#include <optional>
#include <tuple>

namespace pirumo {

// Tells when another program has changed or replaced the history file. A replacement renames a
// new file over the old one, which ends the watch on the file itself, so the folder is watched
// too and the file is watched again after every change. The changes of one replacement come
// in a burst and are reported once, when it is over; a file that is still the one the program
// last read (Acknowledge()) is not reported, so the program's own writes cause no second read.
class HistoryFileWatcher : public QObject {
    Q_OBJECT

public:
    static constexpr int kSettleMilliseconds = 300;

    explicit HistoryFileWatcher(std::filesystem::path file, QObject* parent = nullptr);

    // The file as it is now is the one the program uses.
    void Acknowledge();
    // Looks at the file again after a while, as after a change.
    void Recheck();

signals:
    void changedElsewhere();

private:
    // Identity, size and time of the last change; nullopt while there is no file.
    using Fingerprint = std::optional<std::tuple<unsigned long long, long long, long long>>;
    Fingerprint Current() const;
    void Notice();
    void Settle();

    std::filesystem::path mFile;
    QFileSystemWatcher mWatcher;
    QTimer mSettle;
    Fingerprint mKnown;
};

}  // namespace pirumo
