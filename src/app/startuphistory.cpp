#include "app/startuphistory.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <system_error>

#include "history/import/historycsv.h"
#include "history/store/historyfile.h"
#include "widgets/hourglasscursor.h"
#include "widgets/messageboxes.h"

namespace pirumo {

namespace {

enum class MissingFileChoice { ImportCsv, StartEmpty, End };

QString PathText(const std::filesystem::path& file) {
    return QString::fromStdU16String(file.u16string());
}

MissingFileChoice AskAboutMissingFile(QWidget* parent, const std::filesystem::path& file) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("ピルモ"),
                    QStringLiteral("当選データのファイルが見つかりません。\n%1\n\n"
                                   "CSV ファイルから当選データを取り込むか、"
                                   "空の当選データで始めることができます。")
                        .arg(PathText(file)),
                    QMessageBox::NoButton, parent);
    QPushButton* importCsv =
        box.addButton(QStringLiteral("CSV ファイルを取り込む(&I)"), QMessageBox::AcceptRole);
    QPushButton* startEmpty =
        box.addButton(QStringLiteral("空の当選データで始める(&E)"), QMessageBox::ActionRole);
    QPushButton* end = box.addButton(QStringLiteral("終了(&X)"), QMessageBox::RejectRole);
    box.setDefaultButton(importCsv);
    box.setEscapeButton(end);
    box.exec();
    if (box.clickedButton() == importCsv) {
        return MissingFileChoice::ImportCsv;
    }
    if (box.clickedButton() == startEmpty) {
        return MissingFileChoice::StartEmpty;
    }
    return MissingFileChoice::End;
}

// True when the chosen CSV file was imported into `file`.
bool ImportChosenCsv(QWidget* parent, const std::filesystem::path& file) {
    QFileDialog dialog(parent, QStringLiteral("取り込む CSV ファイル"));
    dialog.setObjectName(QStringLiteral("csvImportDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QStringLiteral("CSV ファイル (*.csv)"), QStringLiteral("すべてのファイル (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    const std::filesystem::path csv(dialog.selectedFiles().constFirst().toStdU16String());
    try {
        HourglassCursor hourglass;
        ImportCsvHistory(csv, file);
        return true;
    } catch (const std::exception& error) {
        ShowRefusal(parent, QString::fromUtf8(error.what()));
        return false;
    }
}

bool CreateEmptyHistory(QWidget* parent, const std::filesystem::path& file) {
    try {
        CreateHistoryFile(file);
        return true;
    } catch (const std::exception& error) {
        ShowRefusal(parent, QString::fromUtf8(error.what()));
        return false;
    }
}

}  // namespace

std::optional<DrawHistory> OpenStartupHistory(QWidget* parent, const std::filesystem::path& file) {
    std::error_code ignored;
    while (!std::filesystem::exists(file, ignored)) {
        bool created = false;
        switch (AskAboutMissingFile(parent, file)) {
            case MissingFileChoice::ImportCsv:
                created = ImportChosenCsv(parent, file);
                break;
            case MissingFileChoice::StartEmpty:
                created = CreateEmptyHistory(parent, file);
                break;
            case MissingFileChoice::End:
                return std::nullopt;
        }
        if (created) {
            break;
        }
    }
    try {
        HourglassCursor hourglass;
        return OpenDrawHistory(file);
    } catch (const std::exception& error) {
        ShowRefusal(parent, QStringLiteral("当選データのファイルを読み込めません。\n%1\n\n%2\n\n"
                                           "ファイルはそのままにして終了します。")
                                .arg(PathText(file), QString::fromUtf8(error.what())));
        return std::nullopt;
    }
}

}  // namespace pirumo
