#include "history/ui/historyimport.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "history/import/importchange.h"
#include "history/import/importsource.h"
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

HistoryImport::HistoryImport(QWidget* parent, std::filesystem::path historyFile,
                             const AccessReader& access)
    : mParent(parent), mHistoryFile(std::move(historyFile)), mAccess(access) {}

std::optional<DrawHistory> HistoryImport::Run() {
    const QString file =
        QFileDialog::getOpenFileName(mParent, QStringLiteral("取り込む当選データファイル"),
                                     QString(), HistoryFileFilters().join(QStringLiteral(";;")));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return ImportFile(file);
}

std::optional<DrawHistory> HistoryImport::ImportFile(const QString& file) {
    std::optional<CheckedImport> checked;
    ImportChange change;
    try {
        HourglassCursor hourglass;
        ProcessPendingEvents();
        checked = CheckImportSource(ToPath(file), mAccess);
        change = CompareImport(mHistoryFile, checked->rows);
    } catch (const std::exception& error) {
        ShowRefusal(mParent, QString::fromUtf8(error.what()));
        return std::nullopt;
    }
    if (!ConfirmReplacement(file, change)) {
        return std::nullopt;
    }
    std::optional<ImportedHistory> imported;
    try {
        HourglassCursor hourglass;
        ProcessPendingEvents();
        imported = ApplyImport(*checked, mHistoryFile);
    } catch (const std::exception& error) {
        ShowRefusal(mParent, QString::fromUtf8(error.what()));
        return std::nullopt;
    }
    QMessageBox::information(
        mParent, QString(),
        QStringLiteral("当選データを%1回分取り込みました。").arg(imported->history.Rows().size()));
    return std::move(imported->history);
}

bool HistoryImport::ConfirmReplacement(const QString& file, const ImportChange& change) {
    const QString backup =
        QString::fromStdString(mHistoryFile.filename().string()) + QStringLiteral(".bak");
    const auto answer =
        QMessageBox::warning(mParent, QString(),
                             QStringLiteral("今の当選データを「%1」の内容で置き換えます。\n\n")
                                     .arg(QFileInfo(file).fileName()) +
                                 QString::fromStdString(DescribeImportChange(change, 20)) +
                                 QStringLiteral("\n置き換える前のファイルは %1 として残します。\n"
                                                "置き換えます。よろしいですか？")
                                     .arg(backup),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

}  // namespace pirumo
