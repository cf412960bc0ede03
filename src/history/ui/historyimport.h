#pragma once

#include <QString>
#include <filesystem>

class QWidget;

namespace pirumo {

// The import item of the データ管理 menu: a CSV or Access file chosen in a file dialog replaces
// the history file after the user agrees (the old file is kept as .bak). The running program
// keeps its start-up snapshot until the next start, as with the other refreshes.
class HistoryImport {
public:
    HistoryImport(QWidget* parent, std::filesystem::path historyFile, std::filesystem::path cli);

    // File dialog, then ImportFile(). False when nothing was imported.
    bool Run();

    // Confirmation, the import and the message with the number of draws, or the refusal.
    bool ImportFile(const QString& file);

private:
    bool ConfirmReplacement(const QString& file);
    int Import(const std::filesystem::path& source);

    QWidget* mParent;
    std::filesystem::path mHistoryFile;
    std::filesystem::path mCli;
};

}  // namespace pirumo
