#include "net/historytransfer.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace pirumo {

namespace {

std::string SizeText(qint64 bytes) {
    constexpr qint64 kMiB = 1024 * 1024;
    if (bytes >= kMiB && bytes % kMiB == 0) {
        return std::to_string(bytes / kMiB) + " MiB";
    }
    return std::to_string(bytes) + " バイト";
}

std::string DurationText(std::chrono::milliseconds duration) {
    if (duration.count() % 1000 == 0) {
        return std::to_string(duration.count() / 1000) + "秒";
    }
    return std::to_string(duration.count()) + "ミリ秒";
}

// Qt explains in English; the reasons a user meets, in Japanese.
std::string QtReason(const QNetworkReply* reply) {
    switch (reply->error()) {
        case QNetworkReply::ConnectionRefusedError:
            return "接続を拒否されました";
        case QNetworkReply::HostNotFoundError:
            return "サーバーが見つかりません";
        case QNetworkReply::TimeoutError:
            return "時間切れです";
        case QNetworkReply::SslHandshakeFailedError:
            return "暗号化した接続を確立できません";
        case QNetworkReply::ProtocolUnknownError:
            return "この形式のURLには対応していません";
        case QNetworkReply::ProxyConnectionRefusedError:
        case QNetworkReply::ProxyNotFoundError:
            return "プロキシに接続できません";
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::UnknownNetworkError:
            return "ネットワークを使えません";
        default:
            return "エラー番号 " + std::to_string(static_cast<int>(reply->error()));
    }
}

}  // namespace

HistoryTransfer::HistoryTransfer(TransferLimits limits)
    : mLimits(limits),
      mManager(std::make_unique<QNetworkAccessManager>()),
      mTimer(std::make_unique<QTimer>()),
      mDeadline(std::make_unique<QTimer>()),
      mRateCheck(std::make_unique<QTimer>()) {
    mTimer->setSingleShot(true);
    mDeadline->setSingleShot(true);
    QObject::connect(mDeadline.get(), &QTimer::timeout, [this] {
        Stop("受信が" + DurationText(mLimits.totalTimeout) +
             "以内に終わらなかったため、中断しました。");
    });
    QObject::connect(mRateCheck.get(), &QTimer::timeout, [this] { CheckRate(); });
    QObject::connect(mTimer.get(), &QTimer::timeout, [this] {
        Stop(mHeadersSeen ? "サーバーからの受信が" + DurationText(mLimits.stallTimeout) +
                                "のあいだ止まったため、中断しました。"
                          : "サーバーが" + DurationText(mLimits.connectTimeout) +
                                "以内に応答しなかったため、中断しました。");
    });
}

HistoryTransfer::~HistoryTransfer() {
    if (mReply != nullptr) {
        mReply->disconnect();
        mReply->abort();
        delete mReply;
    }
}

void HistoryTransfer::Start(const std::string& url) {
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    if (!parsed.isValid() || parsed.host().isEmpty() ||
        (scheme != QStringLiteral("http") && scheme != QStringLiteral("https"))) {
        Done("ダウンロード元のURL「" + url +
             "」が正しくありません。http:// または https:// で始まるURLを指定してください。");
        return;
    }
    QNetworkRequest request(parsed);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(mLimits.maxRedirects);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // Uncompressed, so that Content-Length is the size of the file and can be checked.
    request.setRawHeader("Accept-Encoding", "identity");

    mReply = mManager->get(request);
    mTimer->start(mLimits.connectTimeout);
    mDeadline->start(mLimits.totalTimeout);
    QObject::connect(mReply, &QNetworkReply::redirected, [this] {
        mHeadersSeen = false;
        mTimer->start(mLimits.connectTimeout);
    });
    QObject::connect(mReply, &QNetworkReply::metaDataChanged, [this] { ReadHeaders(); });
    QObject::connect(mReply, &QNetworkReply::readyRead, [this] { ReadBody(); });
    QObject::connect(mReply, &QNetworkReply::finished, [this] { Finish(); });
}

void HistoryTransfer::Cancel() {
    if (mReply != nullptr && !mFinished) {
        mCancelled = true;
        Stop("受信を取り消しました。");
    }
}

bool HistoryTransfer::Run(const std::string& url) {
    Start(url);
    if (!mFinished) {
        QEventLoop loop;
        mLoop = &loop;
        loop.exec();
        mLoop = nullptr;
    }
    return Succeeded();
}

void HistoryTransfer::ReadHeaders() {
    const int status = mReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300 && status < 400) {
        return;  // a redirect being followed
    }
    mHeadersSeen = true;
    mTimer->start(mLimits.stallTimeout);
    mBytesAtLastRateCheck = static_cast<qint64>(mBody.size());
    mRateCheck->start(mLimits.rateWindow);
    if (status < 200 || status >= 300) {
        Stop(DescribeFailure());  // the error page itself is of no use
        return;
    }
    const QVariant length = mReply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > mLimits.maxBytes) {
        Stop("受信するファイルが大きすぎます（" + SizeText(length.toLongLong()) + "、上限は " +
             SizeText(mLimits.maxBytes) + "）。当選データのファイルではありません。");
    }
}

void HistoryTransfer::ReadBody() {
    if (!mStopReason.empty()) {
        return;
    }
    mTimer->start(mLimits.stallTimeout);
    const qint64 available = mReply->bytesAvailable();
    if (static_cast<qint64>(mBody.size()) + available > mLimits.maxBytes) {
        Stop("受信したデータが上限の " + SizeText(mLimits.maxBytes) +
             " を超えたため、中断しました。当選データのファイルではありません。");
        return;
    }
    const std::size_t old = mBody.size();
    mBody.resize(old + static_cast<std::size_t>(available));
    const qint64 got = mReply->read(mBody.data() + old, available);
    mBody.resize(old + static_cast<std::size_t>(std::max<qint64>(got, 0)));
    if (onProgress) {
        const QVariant length = mReply->header(QNetworkRequest::ContentLengthHeader);
        onProgress(static_cast<qint64>(mBody.size()), length.isValid() ? length.toLongLong() : -1);
    }
}

void HistoryTransfer::CheckRate() {
    const qint64 received = static_cast<qint64>(mBody.size()) - mBytesAtLastRateCheck;
    if (received < mLimits.minBytesPerWindow) {
        Stop("受信が遅すぎるため（" + DurationText(mLimits.rateWindow) + "で " +
             SizeText(received) + "）、中断しました。");
        return;
    }
    mBytesAtLastRateCheck = static_cast<qint64>(mBody.size());
}

void HistoryTransfer::StopTimers() {
    mTimer->stop();
    mDeadline->stop();
    mRateCheck->stop();
}

void HistoryTransfer::Stop(const std::string& reason) {
    if (mStopReason.empty()) {
        mStopReason = reason;
    }
    StopTimers();
    mReply->abort();
}

void HistoryTransfer::Finish() {
    if (mStopReason.empty() && mReply->error() == QNetworkReply::NoError) {
        ReadBody();
    }
    StopTimers();
    std::string error = !mStopReason.empty() ? mStopReason : DescribeFailure();
    mReply->disconnect();
    mReply->deleteLater();
    mReply = nullptr;
    Done(std::move(error));
}

// Empty when the answer was a whole 2xx body.
std::string HistoryTransfer::DescribeFailure() const {
    if (mReply->error() == QNetworkReply::TooManyRedirectsError) {
        return "転送先の指示（リダイレクト）が上限の " + std::to_string(mLimits.maxRedirects) +
               " 回を超えました。";
    }
    if (mReply->error() == QNetworkReply::InsecureRedirectError) {
        return "https から http への転送先の指示（リダイレクト）には従いません。";
    }
    const int status = mReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && (status < 200 || status >= 300)) {
        const std::string phrase =
            mReply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
        return "サーバーがエラーを返しました（HTTP " + std::to_string(status) +
               (phrase.empty() ? "" : " " + phrase) + "）。";
    }
    switch (mReply->error()) {
        case QNetworkReply::NoError:
            break;
        case QNetworkReply::ConnectionRefusedError:
        case QNetworkReply::HostNotFoundError:
        case QNetworkReply::UnknownNetworkError:
            return "サーバーに接続できません（" + QtReason(mReply) + "）。";
        case QNetworkReply::RemoteHostClosedError:
            return "受信の途中でサーバーとの接続が切れました（" + SizeText(mBody.size()) +
                   "まで受信）。";
        default:
            return "受信できませんでした（" + QtReason(mReply) + "）。";
    }
    if (status == 0) {
        return "サーバーからHTTPの応答がありません。";
    }
    const QVariant length = mReply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() != static_cast<qint64>(mBody.size())) {
        return "受信したデータが途中で切れています（" + SizeText(length.toLongLong()) + "のうち " +
               SizeText(mBody.size()) + "）。";
    }
    return {};
}

void HistoryTransfer::Done(std::string error) {
    mError = std::move(error);
    mFinished = true;
    if (mError.empty() && mCancelled) {
        mError = "受信を取り消しました。";
    }
    if (onFinished) {
        onFinished();
    }
    if (mLoop != nullptr) {
        mLoop->quit();
    }
}

}  // namespace pirumo
