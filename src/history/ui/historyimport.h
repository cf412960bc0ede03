#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>

class QWidget;

namespace pirumo {

// The file dialog's filters for a history to import: CSV and Access files.
QStringList HistoryFileFilters();

// Replaces historyFile with the draws of a CSV or Access file, told apart by their content; an
// Access file is read by `cli` (pirumo-cli) in a child process. Returns how many draws there
// are. Throws on refusal, leaving the history file as it was.
int ImportHistoryFile(const std::filesystem::path& source, const std::filesystem::path& historyFile,
                      const std::filesystem::path& cli);

// The import item of the データ管理 menu: a CSV or Access file chosen in a file dialog replaces
// the history file after the user agrees (the old file is kept as .bak). The caller reloads the
// history when Run() says the file was replaced.
class HistoryImport {
public:
    HistoryImport(QWidget* parent, std::filesystem::path historyFile, std::filesystem::path cli);

    // File dialog, then ImportFile(). False when nothing was imported.
    bool Run();

    // Confirmation, the import and the message with the number of draws, or the refusal.
    bool ImportFile(const QString& file);

private:
    bool ConfirmReplacement(const QString& file);

    QWidget* mParent;
    std::filesystem::path mHistoryFile;
    std::filesystem::path mCli;
};

}  // namespace pirumo
