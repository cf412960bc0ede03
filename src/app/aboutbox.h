#pragma once

#include <QDialog>
#include <filesystem>

namespace pirumo {

// The About box バージョン情報: product name, version, a notice, a slogan, and where the program
// keeps the user's files; modeless.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(const std::filesystem::path& historyFile, const std::filesystem::path& settingsFile,
             QWidget* parent = nullptr);
};

}  // namespace pirumo
