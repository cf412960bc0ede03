#pragma once

#include <QDialog>
#include <filesystem>

class QLineEdit;

namespace pirumo {

// The データ管理 item that sets where 当選データ最新化 fetches the results from: one URL, saved
// in the settings file when the user presses OK (an empty field removes it). A URL that cannot
// be used is refused and the dialog stays open.
class RefreshSourceDialog : public QDialog {
    Q_OBJECT

public:
    RefreshSourceDialog(std::filesystem::path settingsFile, QWidget* parent = nullptr);

    void accept() override;

private:
    std::filesystem::path mSettingsFile;
    QLineEdit* mUrl = nullptr;
};

}  // namespace pirumo
