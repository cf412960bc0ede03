#pragma once

#include <QtPlugin>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "base/inputfile.h"

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

// One download into memory, as the desktop program sees it: the transfer itself lives in the
// module pirumo-network, so that Qt Network is loaded only when the user downloads.
class DownloadTransfer {
public:
    virtual ~DownloadTransfer() = default;

    // Bytes of the body so far and the announced size (-1 when the server did not announce it).
    std::function<void(qint64 received, qint64 total)> onProgress;
    // Once, when the transfer has ended in any way (possibly from inside Start()).
    std::function<void()> onFinished;

    virtual void Start(const std::string& url) = 0;
    // Ends a running transfer; it finishes as cancelled.
    virtual void Cancel() = 0;

    virtual bool IsFinished() const = 0;
    virtual bool Succeeded() const = 0;
    virtual bool WasCancelled() const = 0;
    virtual const std::string& Body() const = 0;
    virtual const std::string& Error() const = 0;
};

// What the network module (Qt Network, loaded on the first download) does for the program.
class DownloadTransferModule {
public:
    static constexpr char kModuleName[] = "pirumo-network";

    virtual ~DownloadTransferModule() = default;

    virtual std::unique_ptr<DownloadTransfer> NewTransfer(const TransferLimits& limits) = 0;
};

}  // namespace pirumo

#define PIRUMO_DOWNLOAD_TRANSFER_MODULE_IID "jp.pirumo.DownloadTransferModule/1"
Q_DECLARE_INTERFACE(pirumo::DownloadTransferModule, PIRUMO_DOWNLOAD_TRANSFER_MODULE_IID)
