#pragma once

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>

#include <map>
#include <memory>
#include <string>

namespace pirumo::test {

// The one application object the Qt network classes need; made on first use.
inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "pirumo_net_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)app;
}

// What the server answers on one path.
struct HttpAnswer {
    enum class Kind {
        kWhole,      // headers with Content-Length, the body, then close
        kNoLength,   // the body without Content-Length, end marked by closing
        kTruncated,  // Content-Length of the whole body, half of it, then close
        kStall,      // Content-Length, half of the body, then silence with the socket open
        kSilent,     // accepts the request and never answers
        kAnnounce,   // headers announcing `announcedLength` bytes, then silence
        kTrickle,    // Content-Length, then one byte of the body every `trickleInterval`
    };
    int status = 200;
    std::string reason = "OK";
    std::string contentType = "application/octet-stream";
    std::string body;
    std::string location;  // Location header, for redirects
    Kind kind = Kind::kWhole;
    qint64 announcedLength = 0;
    std::chrono::milliseconds trickleInterval{0};
};

inline HttpAnswer Serving(std::string body, HttpAnswer::Kind kind = HttpAnswer::Kind::kWhole) {
    HttpAnswer a;
    a.body = std::move(body);
    a.kind = kind;
    return a;
}

inline HttpAnswer Redirect(const std::string& location) {
    HttpAnswer a;
    a.status = 302;
    a.reason = "Found";
    a.location = location;
    return a;
}

inline HttpAnswer Error(int status, const std::string& reason) {
    HttpAnswer a;
    a.status = status;
    a.reason = reason;
    a.contentType = "text/html";
    a.body = "<html><body>" + reason + "</body></html>";
    return a;
}

// A small HTTP/1.1 server on 127.0.0.1 (a free port) inside the test process; it serves while
// the test runs a Qt event loop.
class LocalHttpServer {
public:
    LocalHttpServer() {
        EnsureApplication();
        mServer.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&mServer, &QTcpServer::newConnection, [this] { Accept(); });
    }

    void Serve(const std::string& path, HttpAnswer answer) { mAnswers[path] = std::move(answer); }

    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(mServer.serverPort()) + path;
    }

private:
    void Accept() {
        while (QTcpSocket* socket = mServer.nextPendingConnection()) {
            auto request = std::make_shared<std::string>();
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                if (request->find("\r\n\r\n") != std::string::npos) {
                    return;  // already answered
                }
                *request += socket->readAll().toStdString();
                if (request->find("\r\n\r\n") != std::string::npos) {
                    Answer(socket, *request);
                }
            });
        }
    }

    void Answer(QTcpSocket* socket, const std::string& request) {
        const auto start = request.find(' ') + 1;
        const std::string path = request.substr(start, request.find(' ', start) - start);
        const auto found = mAnswers.find(path);
        const HttpAnswer answer = found != mAnswers.end() ? found->second : Error(404, "Not Found");
        if (answer.kind == HttpAnswer::Kind::kSilent) {
            return;
        }
        std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " " + answer.reason +
                           "\r\nContent-Type: " + answer.contentType + "\r\nConnection: close\r\n";
        if (!answer.location.empty()) {
            head += "Location: " + answer.location + "\r\n";
        }
        std::string body = answer.body;
        switch (answer.kind) {
            case HttpAnswer::Kind::kAnnounce:
                head += "Content-Length: " + std::to_string(answer.announcedLength) + "\r\n";
                body.clear();
                break;
            case HttpAnswer::Kind::kNoLength:
                break;
            case HttpAnswer::Kind::kTrickle:
                head += "Content-Length: " + std::to_string(body.size()) + "\r\n";
                Trickle(socket, body, answer.trickleInterval);
                body.clear();
                break;
            case HttpAnswer::Kind::kTruncated:
            case HttpAnswer::Kind::kStall:
                head += "Content-Length: " + std::to_string(body.size()) + "\r\n";
                body.resize(body.size() / 2);
                break;
            default:
                head += "Content-Length: " + std::to_string(body.size()) + "\r\n";
        }
        socket->write(QByteArray::fromStdString(head + "\r\n" + body));
        if (answer.kind != HttpAnswer::Kind::kStall && answer.kind != HttpAnswer::Kind::kAnnounce &&
            answer.kind != HttpAnswer::Kind::kTrickle) {
            socket->disconnectFromHost();
        }
    }

    static void Trickle(QTcpSocket* socket, const std::string& body,
                        std::chrono::milliseconds interval) {
        auto* timer = new QTimer(socket);
        auto sent = std::make_shared<std::size_t>(0);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent] {
            if (*sent == body.size()) {
                timer->stop();
                socket->disconnectFromHost();
                return;
            }
            socket->write(body.data() + *sent, 1);
            ++*sent;
        });
        timer->start(interval);
    }

    QTcpServer mServer;
    std::map<std::string, HttpAnswer> mAnswers;
};

}  // namespace pirumo::test
