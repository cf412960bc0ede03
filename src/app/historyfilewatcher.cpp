#include "app/historyfilewatcher.h"

#include <sys/stat.h>

namespace pirumo {

HistoryFileWatcher::HistoryFileWatcher(std::filesystem::path file, QObject* parent)
    : QObject(parent), mFile(std::move(file)) {
    mSettle.setSingleShot(true);
    mSettle.setInterval(kSettleMilliseconds);
    connect(&mSettle, &QTimer::timeout, this, &HistoryFileWatcher::Settle);
    connect(&mWatcher, &QFileSystemWatcher::fileChanged, this, &HistoryFileWatcher::Notice);
    connect(&mWatcher, &QFileSystemWatcher::directoryChanged, this, &HistoryFileWatcher::Notice);
    const std::filesystem::path folder =
        mFile.has_parent_path() ? mFile.parent_path() : std::filesystem::path(".");
    mWatcher.addPath(QString::fromStdString(folder.string()));
    Notice();
    Acknowledge();
}

void HistoryFileWatcher::Acknowledge() {
    mKnown = Current();
}

void HistoryFileWatcher::Recheck() {
    mSettle.start();
}

HistoryFileWatcher::Fingerprint HistoryFileWatcher::Current() const {
    struct stat status {};
    if (::stat(mFile.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return std::make_tuple(
        static_cast<unsigned long long>(status.st_ino), static_cast<long long>(status.st_size),
        static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec);
}

void HistoryFileWatcher::Notice() {
    const QString path = QString::fromStdString(mFile.string());
    // While the file is away (between two renames) the folder tells when it is back.
    if (!mWatcher.files().contains(path) && std::filesystem::exists(mFile)) {
        mWatcher.addPath(path);
    }
    mSettle.start();
}

void HistoryFileWatcher::Settle() {
    const Fingerprint now = Current();
    if (now && now != mKnown) {
        emit changedElsewhere();
    }
}

}  // namespace pirumo
