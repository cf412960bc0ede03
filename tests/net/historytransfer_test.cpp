#include "net/historytransfer.h"

#include <gtest/gtest.h>

#include "localhttpserver.h"

namespace pirumo {
namespace {

using test::HttpAnswer;
using test::LocalHttpServer;

// A body the transfer does not interpret, with every byte value in it.
std::string SomeBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7919) % 256);
    }
    return bytes;
}

TransferLimits QuickLimits() {
    TransferLimits limits;
    limits.connectTimeout = std::chrono::milliseconds(300);
    limits.stallTimeout = std::chrono::milliseconds(300);
    return limits;
}

TEST(HistoryTransferTest, HoldsTheWholeBodyAndReportsProgress) {
    LocalHttpServer server;
    const std::string bytes = SomeBytes(300000);
    server.Serve("/file", test::Serving(bytes));
    HistoryTransfer transfer;
    qint64 lastReceived = 0;
    qint64 lastTotal = 0;
    transfer.onProgress = [&](qint64 received, qint64 total) {
        lastReceived = received;
        lastTotal = total;
    };
    ASSERT_TRUE(transfer.Run(server.Url("/file"))) << transfer.Error();
    EXPECT_EQ(transfer.Body(), bytes);
    EXPECT_EQ(lastReceived, 300000);
    EXPECT_EQ(lastTotal, 300000);
}

TEST(HistoryTransferTest, FollowsRedirectsUpToTheLimit) {
    LocalHttpServer server;
    server.Serve("/old", test::Redirect("/file"));
    server.Serve("/file", test::Serving("abc"));
    server.Serve("/loop", test::Redirect("/loop"));
    HistoryTransfer moved;
    ASSERT_TRUE(moved.Run(server.Url("/old"))) << moved.Error();
    EXPECT_EQ(moved.Body(), "abc");

    HistoryTransfer looping;
    EXPECT_FALSE(looping.Run(server.Url("/loop")));
    EXPECT_NE(looping.Error().find("リダイレクト"), std::string::npos) << looping.Error();
}

TEST(HistoryTransferTest, RefusesAnswersOtherThan2xx) {
    LocalHttpServer server;
    server.Serve("/gone", test::Error(404, "Not Found"));
    server.Serve("/broken", test::Error(500, "Internal Server Error"));
    server.Serve("/moved-to-nothing", test::Redirect("/nothing"));
    for (const auto& [path, expected] : {std::pair{"/gone", "HTTP 404"},
                                         {"/broken", "HTTP 500"},
                                         {"/moved-to-nothing", "HTTP 404"}}) {
        HistoryTransfer transfer;
        EXPECT_FALSE(transfer.Run(server.Url(path))) << path;
        EXPECT_NE(transfer.Error().find(expected), std::string::npos) << transfer.Error();
    }
}

TEST(HistoryTransferTest, RefusesABodyCutShort) {
    LocalHttpServer server;
    server.Serve("/cut", test::Serving(SomeBytes(100000), HttpAnswer::Kind::kTruncated));
    HistoryTransfer transfer;
    EXPECT_FALSE(transfer.Run(server.Url("/cut")));
    EXPECT_NE(transfer.Error().find("途中"), std::string::npos) << transfer.Error();
}

TEST(HistoryTransferTest, RefusesABodyOverTheLimit) {
    LocalHttpServer server;
    // Announced: refused from the headers, before any of the body is sent.
    HttpAnswer huge;
    huge.kind = HttpAnswer::Kind::kAnnounce;
    huge.announcedLength = qint64{65} * 1024 * 1024;
    server.Serve("/huge", huge);
    HistoryTransfer announced;
    EXPECT_FALSE(announced.Run(server.Url("/huge")));
    EXPECT_NE(announced.Error().find("上限は 64 MiB"), std::string::npos) << announced.Error();
    EXPECT_TRUE(announced.Body().empty());

    // Not announced: refused as the bytes pass the limit.
    server.Serve("/stream", test::Serving(SomeBytes(50000), HttpAnswer::Kind::kNoLength));
    TransferLimits limits;
    limits.maxBytes = 20000;
    HistoryTransfer streamed(limits);
    EXPECT_FALSE(streamed.Run(server.Url("/stream")));
    EXPECT_NE(streamed.Error().find("上限の 20000 バイト"), std::string::npos) << streamed.Error();
    EXPECT_LE(streamed.Body().size(), 20000u);
}

TEST(HistoryTransferTest, GivesUpOnASilentOrStalledServer) {
    LocalHttpServer server;
    HttpAnswer silent;
    silent.kind = HttpAnswer::Kind::kSilent;
    server.Serve("/silent", silent);
    server.Serve("/stall", test::Serving(SomeBytes(100000), HttpAnswer::Kind::kStall));

    HistoryTransfer unanswered(QuickLimits());
    EXPECT_FALSE(unanswered.Run(server.Url("/silent")));
    EXPECT_NE(unanswered.Error().find("300ミリ秒以内に応答しなかった"), std::string::npos)
        << unanswered.Error();

    HistoryTransfer stalled(QuickLimits());
    EXPECT_FALSE(stalled.Run(server.Url("/stall")));
    EXPECT_NE(stalled.Error().find("受信が300ミリ秒のあいだ止まった"), std::string::npos)
        << stalled.Error();
}

// A server that keeps sending, a byte at a time, never stalls; it is given up by its rate or by
// the total deadline, whichever comes first.
TEST(HistoryTransferTest, GivesUpOnASlowServer) {
    LocalHttpServer server;
    HttpAnswer trickle = test::Serving(SomeBytes(400), HttpAnswer::Kind::kTrickle);
    trickle.trickleInterval = std::chrono::milliseconds(20);
    server.Serve("/trickle", trickle);

    TransferLimits byRate = QuickLimits();
    byRate.rateWindow = std::chrono::milliseconds(400);
    byRate.minBytesPerWindow = 1024;
    TransferLimits byDeadline = QuickLimits();
    byDeadline.totalTimeout = std::chrono::milliseconds(600);
    const struct {
        TransferLimits limits;
        std::string expected;
    } cases[] = {
        {byRate, "受信が遅すぎるため（400ミリ秒で "},
        {byDeadline, "受信が600ミリ秒以内に終わらなかった"},
    };
    for (const auto& c : cases) {
        HistoryTransfer transfer(c.limits);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(transfer.Run(server.Url("/trickle")));
        EXPECT_NE(transfer.Error().find(c.expected), std::string::npos) << transfer.Error();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_FALSE(transfer.WasCancelled());
    }
}

TEST(HistoryTransferTest, CancelEndsTheTransfer) {
    LocalHttpServer server;
    server.Serve("/stall", test::Serving(SomeBytes(100000), HttpAnswer::Kind::kStall));
    HistoryTransfer transfer;
    transfer.onProgress = [&](qint64, qint64) { transfer.Cancel(); };
    EXPECT_FALSE(transfer.Run(server.Url("/stall")));
    EXPECT_TRUE(transfer.WasCancelled());
    EXPECT_NE(transfer.Error().find("取り消しました"), std::string::npos) << transfer.Error();
}

TEST(HistoryTransferTest, ExplainsUnusableSources) {
    test::EnsureApplication();
    HistoryTransfer ftp;
    EXPECT_FALSE(ftp.Run("ftp://127.0.0.1/Pirumo.mdb"));
    EXPECT_NE(ftp.Error().find("http:// または https://"), std::string::npos) << ftp.Error();

    // A port nobody listens on: the server object is gone before the transfer starts.
    std::string url;
    {
        LocalHttpServer closed;
        url = closed.Url("/file");
    }
    HistoryTransfer refused;
    EXPECT_FALSE(refused.Run(url));
    EXPECT_NE(refused.Error().find("接続できません（接続を拒否されました）"), std::string::npos)
        << refused.Error();
}

}  // namespace
}  // namespace pirumo
