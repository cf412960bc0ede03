#include "app/startuphistory.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <system_error>

#include "history/import/bundledhistory.h"
#include "history/import/importsource.h"
#include "history/store/historyfile.h"
#include "history/ui/historyimport.h"
#include "widgets/hourglasscursor.h"
#include "widgets/messageboxes.h"

namespace pirumo {

namespace {

enum class MissingFileChoice { UseBundled, ImportFile, StartEmpty, End };

QString PathText(const std::filesystem::path& file) {
    return QString::fromStdU16String(file.u16string());
}

// The bundled results' range for the question, or nullopt when they are missing or unreadable.
std::optional<BundledHistory> ReadBundled(const std::filesystem::path& csv) {
    if (csv.empty()) {
        return std::nullopt;
    }
    try {
        return ReadBundledHistory(csv);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

MissingFileChoice AskAboutMissingFile(QWidget* parent, const std::filesystem::path& file,
                                      const std::optional<BundledHistory>& bundled) {
    const QString offer = bundled ? QStringLiteral(
                                        "ピルモに同梱の当選データ（%1）から作成するか、"
                                        "CSV・Access ファイルから取り込むか、"
                                        "空の当選データで始めることができます。")
                                        .arg(QString::fromStdString(bundled->RangeText()))
                                  : QStringLiteral(
                                        "CSV・Access ファイルから当選データを取り込むか、"
                                        "空の当選データで始めることができます。");
    QMessageBox box(QMessageBox::Question, QStringLiteral("ピルモ"),
                    QStringLiteral("当選データのファイルがまだありません。\n%1\n\n%2")
                        .arg(PathText(file), offer),
                    QMessageBox::NoButton, parent);
    QPushButton* useBundled =
        bundled
            ? box.addButton(QStringLiteral("同梱の当選データで始める(&B)"), QMessageBox::AcceptRole)
            : nullptr;
    QPushButton* importFile =
        box.addButton(QStringLiteral("ファイルから取り込む(&I)..."), QMessageBox::ActionRole);
    QPushButton* startEmpty =
        box.addButton(QStringLiteral("空の当選データで始める(&E)"), QMessageBox::ActionRole);
    QPushButton* end = box.addButton(QStringLiteral("終了(&X)"), QMessageBox::RejectRole);
    box.setDefaultButton(useBundled != nullptr ? useBundled : importFile);
    box.setEscapeButton(end);
    box.exec();
    if (useBundled != nullptr && box.clickedButton() == useBundled) {
        return MissingFileChoice::UseBundled;
    }
    if (box.clickedButton() == importFile) {
        return MissingFileChoice::ImportFile;
    }
    if (box.clickedButton() == startEmpty) {
        return MissingFileChoice::StartEmpty;
    }
    return MissingFileChoice::End;
}

// The history imported from the chosen CSV or Access file; nullopt when none was chosen.
std::optional<DrawHistory> ImportChosenFile(QWidget* parent, const std::filesystem::path& file,
                                            const AccessReader& access) {
    QFileDialog dialog(parent, QStringLiteral("取り込む当選データファイル"));
    dialog.setObjectName(QStringLiteral("csvImportDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(HistoryFileFilters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const std::filesystem::path source(dialog.selectedFiles().constFirst().toStdU16String());
    HourglassCursor hourglass;
    return ImportHistory(source, file, access).history;
}

// The history the chosen way created; nullopt when it made none (refusals are shown here).
std::optional<DrawHistory> CreateMissingFile(QWidget* parent, MissingFileChoice choice,
                                             const std::filesystem::path& file,
                                             const std::optional<BundledHistory>& bundled,
                                             const AccessReader& access) {
    try {
        std::error_code ignored;  // a folder that cannot be made fails the creation below
        if (file.has_parent_path()) {
            std::filesystem::create_directories(file.parent_path(), ignored);
        }
        switch (choice) {
            case MissingFileChoice::UseBundled: {
                HourglassCursor hourglass;
                return CreateHistoryFromBundled(*bundled, file);
            }
            case MissingFileChoice::ImportFile:
                return ImportChosenFile(parent, file, access);
            case MissingFileChoice::StartEmpty:
                return CreateHistoryFile(file);
            case MissingFileChoice::End:
                return std::nullopt;
        }
    } catch (const std::exception& error) {
        ShowRefusal(parent, QString::fromUtf8(error.what()));
    }
    return std::nullopt;
}

}  // namespace

std::optional<DrawHistory> OpenStartupHistory(QWidget* parent, const std::filesystem::path& file,
                                              const StartupSources& sources) {
    std::error_code ignored;
    const std::optional<BundledHistory> bundled =
        std::filesystem::exists(file, ignored) ? std::nullopt : ReadBundled(sources.bundledHistory);
    while (!std::filesystem::exists(file, ignored)) {
        const MissingFileChoice choice = AskAboutMissingFile(parent, file, bundled);
        if (choice == MissingFileChoice::End) {
            return std::nullopt;
        }
        if (std::optional<DrawHistory> created =
                CreateMissingFile(parent, choice, file, bundled, sources.access)) {
            return created;
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
