#include "history/ui/historyimport.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "history/import/importsource.h"
#include "history/import/isolatedimport.h"
#include "widgets/hourglasscursor.h"
#include "widgets/messageboxes.h"

namespace pirumo {

namespace {

std::filesystem::path ToPath(const QString& file) {
    return file.toStdString();
}

}  // namespace

QStringList HistoryFileFilters() {
    return {QStringLiteral("当選データ (*.csv *.mdb)"), QStringLiteral("CSVファイル (*.csv)"),
            QStringLiteral("Accessファイル (*.mdb)"), QStringLiteral("すべてのファイル (*)")};
}

// A Jet file is read by libmdb, which a damaged or hostile file can crash or hang: that work
// runs in a child process. CSV text and our own history file (a backup) are read here. The file
// is recognised as pirumo-cli recognises it, with the same refusals: only a regular file of at
// most 64 MiB is opened, so a FIFO or a device cannot hold the window.
int ImportHistoryFile(const std::filesystem::path& source, const std::filesystem::path& historyFile,
                      const std::filesystem::path& cli) {
    if (RecogniseImportSource(source) == ImportSource::kAccessFile) {
        return ImportHistoryInChildProcess(cli, source, historyFile);
    }
    return ImportHistory(source, historyFile);
}

HistoryImport::HistoryImport(QWidget* parent, std::filesystem::path historyFile,
                             std::filesystem::path cli)
    : mParent(parent), mHistoryFile(std::move(historyFile)), mCli(std::move(cli)) {}

bool HistoryImport::Run() {
    const QString file =
        QFileDialog::getOpenFileName(mParent, QStringLiteral("取り込む当選データファイル"),
                                     QString(), HistoryFileFilters().join(QStringLiteral(";;")));
    if (file.isEmpty()) {
        return false;
    }
    return ImportFile(file);
}

bool HistoryImport::ImportFile(const QString& file) {
    if (!ConfirmReplacement(file)) {
        return false;
    }
    int count = 0;
    try {
        HourglassCursor hourglass;
        ProcessPendingEvents();
        count = ImportHistoryFile(ToPath(file), mHistoryFile, mCli);
    } catch (const std::exception& error) {
        ShowRefusal(mParent, QString::fromUtf8(error.what()));
        return false;
    }
    QMessageBox::information(mParent, QString(),
                             QStringLiteral("当選データを%1回分取り込みました。").arg(count));
    return true;
}

bool HistoryImport::ConfirmReplacement(const QString& file) {
    const QString backup =
        QString::fromStdString(mHistoryFile.filename().string()) + QStringLiteral(".bak");
    const auto answer = QMessageBox::warning(
        mParent, QString(),
        QStringLiteral("今の当選データを「%1」の内容で置き換えます。\n"
                       "置き換える前のファイルは %2 として残します。\nよろしいですか？")
            .arg(QFileInfo(file).fileName(), backup),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

}  // namespace pirumo
