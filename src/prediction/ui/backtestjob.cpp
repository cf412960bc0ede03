#include "prediction/ui/backtestjob.h"

#include <QThread>

namespace pirumo {

BacktestJob::BacktestJob(DrawHistory history, PredictionOptions options, int from, int to,
                         QObject* parent)
    : QObject(parent), mState(std::make_shared<State>()) {
    mState->history = std::move(history);
    mState->options = options;
    mState->from = from;
    mState->to = to;
}

BacktestJob::~BacktestJob() {
    if (mThread != nullptr) {
        mState->cancel = true;
        mThread->wait();
    }
}

void BacktestJob::Start() {
    std::shared_ptr<State> state = mState;
    mThread = QThread::create([state] {
        try {
            state->result = RunBacktest(state->history, state->options, state->from, state->to,
                                        [&state](int done, int total) {
                                            state->done = done;
                                            state->total = total;
                                            return !state->cancel;
                                        });
            state->money = MoneyOfBacktest(state->result.draws);
        } catch (const std::exception& error) {
            state->error = error.what();
        }
    });
    mThread->setParent(this);
    connect(mThread, &QThread::finished, this, &BacktestJob::Finished);
    mThread->start();
}

bool BacktestJob::Wait(int milliseconds) {
    return mThread == nullptr || mThread->wait(QDeadlineTimer(milliseconds));
}

}  // namespace pirumo
