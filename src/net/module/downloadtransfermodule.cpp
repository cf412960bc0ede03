// Built as the module pirumo_network: the desktop program's only code that links Qt Network,
// loaded when the user first downloads the history.
#include "net/historytransfer.h"

extern "C" Q_DECL_EXPORT pirumo::DownloadTransfer* PirumoNewDownloadTransfer(
    const pirumo::TransferLimits& limits) {
    return new pirumo::HistoryTransfer(limits);
}
