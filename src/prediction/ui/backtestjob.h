#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <string>

#include "prediction/backtest/backtest.h"
#include "prediction/backtest/backtestmoney.h"

class QThread;

namespace pirumo {

// The prediction check on a thread of its own, so the window stays responsive on a long history.
// The window polls Done() for its progress bar; Finished() comes on the GUI thread.
class BacktestJob : public QObject {
    Q_OBJECT

public:
    BacktestJob(DrawHistory history, PredictionOptions options, int from, int to,
                QObject* parent = nullptr);
    // Cancels a running check and waits for its thread.
    ~BacktestJob() override;

    void Start();
    // Waits up to `milliseconds` for the check to end; true when it has.
    bool Wait(int milliseconds);
    void Cancel() { mState->cancel = true; }

    int Done() const { return mState->done; }
    int Total() const { return mState->total; }
    bool Cancelled() const { return mState->cancel; }
    // After Finished(): the result, or the error message when the check failed.
    const BacktestResult& Result() const { return mState->result; }
    const BacktestMoney& Money() const { return mState->money; }
    const std::string& Error() const { return mState->error; }

signals:
    void Finished();

private:
    // Shared with the thread, which may outlive a cancelled job by a moment.
    struct State {
        DrawHistory history;
        PredictionOptions options;
        int from = 0;
        int to = 0;
        std::atomic<bool> cancel{false};
        std::atomic<int> done{0};
        std::atomic<int> total{0};
        BacktestResult result;
        BacktestMoney money;
        std::string error;
    };

    std::shared_ptr<State> mState;
    QThread* mThread = nullptr;
};

}  // namespace pirumo
