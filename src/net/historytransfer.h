#pragma once

#include <QtGlobal>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "base/inputfile.h"

class QNetworkAccessManager;
class QNetworkReply;
class QEventLoop;
class QTimer;

namespace pirumo {

struct TransferLimits {
    // Until the server starts its answer (connecting, sending the request, waiting for headers);
    // counted again after each redirect.
    std::chrono::milliseconds connectTimeout{std::chrono::seconds(20)};
    // Without a single byte while the body arrives.
    std::chrono::milliseconds stallTimeout{std::chrono::seconds(30)};
    // From Start() to the last byte, however steadily the bytes come.
    std::chrono::milliseconds totalTimeout{std::chrono::minutes(2)};
    // A body must grow by at least minBytesPerWindow in every rateWindow once it has begun, so a
    // server sending a byte now and then is given up without waiting for totalTimeout.
    std::chrono::milliseconds rateWindow{std::chrono::seconds(30)};
    qint64 minBytesPerWindow = 30 * 1024;
    int maxRedirects = 5;
    // The whole file is held in memory; a download may be as large as any other input file.
    qint64 maxBytes = static_cast<qint64>(kMaxInputFileSize);
};

// Fetches one http(s) URL into memory with Qt Network, for the download refresh. Succeeds only
// with an HTTP 2xx answer whose body arrived whole within the limits; any other outcome ends with
// a Japanese message that names the cause. Needs a running Qt event loop (Run() brings its own).
class HistoryTransfer {
public:
    explicit HistoryTransfer(TransferLimits limits = {});
    ~HistoryTransfer();
    HistoryTransfer(const HistoryTransfer&) = delete;
    HistoryTransfer& operator=(const HistoryTransfer&) = delete;

    // Bytes of the body so far and the announced size (-1 when the server did not announce it).
    std::function<void(qint64 received, qint64 total)> onProgress;
    // Once, when the transfer has ended in any way (possibly from inside Start()).
    std::function<void()> onFinished;

    void Start(const std::string& url);
    // Ends a running transfer; it finishes as cancelled.
    void Cancel();
    // Start() and wait for the end in a local event loop; returns Succeeded().
    bool Run(const std::string& url);

    bool IsFinished() const { return mFinished; }
    bool Succeeded() const { return mFinished && mError.empty(); }
    bool WasCancelled() const { return mCancelled; }
    const std::string& Body() const { return mBody; }
    const std::string& Error() const { return mError; }

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
