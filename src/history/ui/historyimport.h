#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

#include "history/drawhistory.h"
#include "history/import/accessreader.h"
#include "history/import/importchange.h"

class QWidget;

namespace pirumo {

// The file dialog's filters for a history to import: CSV and Access files.
QStringList HistoryFileFilters();

// The import item of the データ管理 menu: a CSV or Access file chosen in a file dialog is checked,
// then replaces the history file once the user agrees to the change it shows (draws, newest draw,
// draws lost); the old file is kept as .bak. Access files are read
// by `access`, which must outlive this object.
class HistoryImport {
public:
    HistoryImport(QWidget* parent, std::filesystem::path historyFile, const AccessReader& access);

    // File dialog, then ImportFile(). nullopt when nothing was imported.
    std::optional<DrawHistory> Run();

    // The check, the confirmation, the import and the message with the number of draws, or the
    // refusal.
    // Returns the history the file now holds, for the caller to use instead of reading it again.
    std::optional<DrawHistory> ImportFile(const QString& file);

private:
    bool ConfirmReplacement(const QString& file, const ImportChange& change);

    QWidget* mParent;
    std::filesystem::path mHistoryFile;
    const AccessReader& mAccess;
};

}  // namespace pirumo
