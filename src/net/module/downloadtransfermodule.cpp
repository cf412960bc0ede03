// The network module: the desktop program's only code that links Qt Network, loaded when the
// user first downloads the history.
#include <QObject>

#include "net/downloadtransfer.h"
#include "net/historytransfer.h"

namespace pirumo {

namespace {

class QtNetworkModule : public QObject, public DownloadTransferModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PIRUMO_DOWNLOAD_TRANSFER_MODULE_IID)
    Q_INTERFACES(pirumo::DownloadTransferModule)

public:
    std::unique_ptr<DownloadTransfer> NewTransfer(const TransferLimits& limits) override {
        return std::make_unique<HistoryTransfer>(limits);
    }
};

}  // namespace

}  // namespace pirumo

#include "downloadtransfermodule.moc"
