#include "history/ui/downloadrefresh.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <memory>

#include "history/historyerror.h"
#include "history/refresh/downloadsource.h"
#include "history/refresh/historyrefresh.h"
#include "module/moduleloader.h"
#include "widgets/hourglasscursor.h"
#include "widgets/messageboxes.h"

namespace pirumo {

namespace {

// Progress counts in KiB so that the 64 MiB limit fits the dialog's int range.
int Kibibytes(qint64 bytes) {
    return static_cast<int>(bytes / 1024);
}

QString DefaultTitle() {
    return QStringLiteral("ピルモ");
}

}  // namespace

DownloadRefresh::DownloadRefresh(QWidget* parent, std::filesystem::path target,
                                 const AccessReader& access)
    : mParent(parent), mTarget(std::move(target)), mAccess(access) {}

std::optional<DrawHistory> DownloadRefresh::Run() {
    try {
        CheckRefreshTarget(mTarget);
    } catch (const HistoryError& e) {
        ShowNotice(e.what());
        return std::nullopt;
    }
    const std::string url =
        mUrl.empty() ? ResolveDownloadUrl(mSettingsFile, PIRUMO_DOWNLOAD_HOST) : mUrl;
    if (url.empty()) {
        ShowRefusal(mParent, QString::fromStdString(NoDownloadSourceMessage()));
        return std::nullopt;
    }
    std::string body;
    if (!Download(url, body)) {
        return std::nullopt;
    }
    RefreshPlan plan;
    std::optional<DrawHistory> refreshed;
    try {
        HourglassCursor hourglass;
        ProcessPendingEvents();
        plan = PlanHistoryRefresh(mTarget, body, mAccess);
        if (plan.BringsNothingNew()) {
            hourglass.Restore();
            ShowNotice(NothingNewMessage(plan));
            return std::nullopt;
        }
        if (plan.NeedsConfirmation()) {
            hourglass.Restore();
            if (!Confirm(DescribeMissingDraws(plan) + DescribeRefreshLoss(plan, 20))) {
                return std::nullopt;
            }
        }
        HourglassCursor writing;
        ProcessPendingEvents();
        refreshed = ApplyHistoryRefresh(mTarget, plan);
    } catch (const HistoryError& e) {
        ShowFailure(e.what());
        return std::nullopt;
    }
    ShowNotice(RefreshDoneMessage(plan));
    return refreshed;
}

// False when the transfer failed (reported here) or was cancelled.
bool DownloadRefresh::Download(const std::string& url, std::string& body) {
    QString error;
    DownloadTransferModule* module = LoadProgramModuleAs<DownloadTransferModule>(error);
    if (module == nullptr) {
        ShowFailure(error.toStdString());
        return false;
    }
    std::unique_ptr<DownloadTransfer> transfer = module->NewTransfer(mLimits);
    QProgressDialog progress(
        QStringLiteral("当選データを受信しています…\n") + QString::fromStdString(url),
        QStringLiteral("キャンセル"), 0, 0, mParent);
    progress.setWindowTitle(QStringLiteral("当選データ最新化"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumWidth(420);

    QEventLoop loop;
    transfer->onProgress = [&progress](qint64 received, qint64 total) {
        progress.setMaximum(total > 0 ? Kibibytes(total) : 0);
        progress.setValue(total > 0 ? Kibibytes(received) : 0);
    };
    transfer->onFinished = [&loop] { loop.quit(); };
    // The cancel button emits canceled(); Escape only rejects the dialog.
    QObject::connect(&progress, &QProgressDialog::canceled, [&transfer] { transfer->Cancel(); });
    QObject::connect(&progress, &QDialog::rejected, [&transfer] { transfer->Cancel(); });
    progress.show();
    transfer->Start(url);
    if (!transfer->IsFinished()) {
        loop.exec();
    }
    progress.hide();
    if (transfer->WasCancelled()) {
        return false;
    }
    if (!transfer->Succeeded()) {
        ShowFailure(transfer->Error());
        return false;
    }
    body = transfer->Body();
    return true;
}

bool DownloadRefresh::Confirm(const std::string& doubts) {
    QMessageBox box(QMessageBox::Warning, DefaultTitle(),
                    QString::fromStdString(doubts) +
                        QStringLiteral("\n最新化しますか？（今の当選データファイルは ") +
                        QString::fromStdString(mTarget.filename().string()) +
                        QStringLiteral(".bak として残ります）"),
                    QMessageBox::Yes | QMessageBox::No, mParent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void DownloadRefresh::ShowFailure(const std::string& cause) {
    ShowRefusal(mParent, QStringLiteral("当選データを最新化できませんでした。\n\n") +
                             QString::fromStdString(cause) +
                             QStringLiteral("\n\n当選データファイルは変更していません。"));
}

void DownloadRefresh::ShowNotice(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, DefaultTitle(), QString::fromStdString(text),
                    QMessageBox::Ok, mParent);
    box.exec();
}

}  // namespace pirumo
