#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "history/drawhistory.h"
#include "history/import/accessreader.h"
#include "net/downloadtransfer.h"

class QWidget;

namespace pirumo {

// The 当選データ最新化 menu action: downloads the published history with a progress dialog that
// can be cancelled, checks it, leaves the file alone when the download brings nothing new, asks
// before draws would be skipped or local ones lost (No is the default), and replaces the history
// file atomically, naming the draws it added. Every failure is reported and leaves the file as it
// was. Run() gives the caller the history that replaced the file.
class DownloadRefresh {
public:
    // `access` reads a Jet/Access download; it must outlive this object.
    DownloadRefresh(QWidget* parent, std::filesystem::path target, const AccessReader& access);

    // The settings file that holds the source the user set.
    void SetSettingsFile(std::filesystem::path file) { mSettingsFile = std::move(file); }
    // Overrides every configured source (tests).
    void SetUrl(std::string url) { mUrl = std::move(url); }
    void SetLimits(const TransferLimits& limits) { mLimits = limits; }

    // The history the file now holds; nullopt when it was not replaced.
    std::optional<DrawHistory> Run();

private:
    bool Download(const std::string& url, std::string& body);
    bool Confirm(const std::string& doubts);
    void ShowFailure(const std::string& cause);
    void ShowNotice(const std::string& text);

    QWidget* mParent;
    std::filesystem::path mTarget;
    const AccessReader& mAccess;
    std::filesystem::path mSettingsFile;
    std::string mUrl;
    TransferLimits mLimits;
};

}  // namespace pirumo
