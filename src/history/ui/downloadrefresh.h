#pragma once

#include <filesystem>
#include <string>

#include "net/historytransfer.h"

class QWidget;

namespace pirumo {

// The 当選データ最新化 menu action: downloads the published history with a progress dialog that
// can be cancelled, checks it, asks before local draws would be lost (No is the default), and
// replaces the history file atomically. Every failure is reported and leaves the file as it was.
// The caller reloads the history when Run() says the file was replaced.
class DownloadRefresh {
public:
    // `cli` (pirumo-cli) converts a Jet/Access download in a child process.
    DownloadRefresh(QWidget* parent, std::filesystem::path target, std::filesystem::path cli);

    // The settings file that holds the source the user set.
    void SetSettingsFile(std::filesystem::path file) { mSettingsFile = std::move(file); }
    // Overrides every configured source (tests).
    void SetUrl(std::string url) { mUrl = std::move(url); }
    void SetLimits(const TransferLimits& limits) { mLimits = limits; }

    // True when the history file was replaced.
    bool Run();

private:
    bool Download(const std::string& url, std::string& body);
    bool ConfirmLoss(const std::string& loss);
    void ShowFailure(const std::string& cause);
    void ShowNotice(const std::string& text);

    QWidget* mParent;
    std::filesystem::path mTarget;
    std::filesystem::path mCli;
    std::filesystem::path mSettingsFile;
    std::string mUrl;
    TransferLimits mLimits;
};

}  // namespace pirumo
