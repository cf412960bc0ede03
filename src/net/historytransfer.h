#pragma once

#include <QtGlobal>

#include <memory>
#include <string>

#include "net/downloadtransfer.h"

class QNetworkAccessManager;
class QNetworkReply;
class QEventLoop;
class QTimer;

namespace pirumo {

// Fetches one http(s) URL into memory with Qt Network, for the download refresh. Succeeds only
// with an HTTP 2xx answer whose body arrived whole within the limits; any other outcome ends with
// a Japanese message that names the cause. Needs a running Qt event loop (Run() brings its own).
class HistoryTransfer : public DownloadTransfer {
public:
    explicit HistoryTransfer(TransferLimits limits = {});
    ~HistoryTransfer() override;
    HistoryTransfer(const HistoryTransfer&) = delete;
    HistoryTransfer& operator=(const HistoryTransfer&) = delete;

    void Start(const std::string& url) override;
    void Cancel() override;
    // Start() and wait for the end in a local event loop; returns Succeeded().
    bool Run(const std::string& url);

    bool IsFinished() const override { return mFinished; }
    bool Succeeded() const override { return mFinished && mError.empty(); }
    bool WasCancelled() const override { return mCancelled; }
    const std::string& Body() const override { return mBody; }
    const std::string& Error() const override { return mError; }

private:
    void ReadHeaders();
    void ReadBody();
    void CheckRate();
    void StopTimers();
    void Stop(const std::string& reason);
    void Finish();
    std::string DescribeFailure() const;
    void Done(std::string error);

    TransferLimits mLimits;
    std::unique_ptr<QNetworkAccessManager> mManager;
    std::unique_ptr<QTimer> mTimer;
    std::unique_ptr<QTimer> mDeadline;
    std::unique_ptr<QTimer> mRateCheck;
    qint64 mBytesAtLastRateCheck = 0;
    QNetworkReply* mReply = nullptr;
    QEventLoop* mLoop = nullptr;
    std::string mBody;
    std::string mStopReason;
    std::string mError;
    bool mHeadersSeen = false;
    bool mCancelled = false;
    bool mFinished = false;
};

}  // namespace pirumo
