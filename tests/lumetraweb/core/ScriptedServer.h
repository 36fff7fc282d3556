#pragma once
// A recording HTTP server on 127.0.0.1 with scripted replies, on its own thread so that
// blocking clients can talk to it from the test's thread.
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace lumetra::test {

class ScriptedServer {
public:
    struct Reply {
        std::string bytes;
        bool close = false;     // close the connection after the reply
        bool silent = false;    // send nothing, keep the connection open
        std::string trickle{};  // sent after `bytes`, one byte every `trickleMs`
        int trickleMs = 0;
    };

    explicit ScriptedServer(quint16 port = 0) : wantedPort_(port) {
        anchor_.moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(
            &anchor_, [this] { listen(); }, Qt::BlockingQueuedConnection);
    }
    ScriptedServer(const ScriptedServer&) = delete;
    ~ScriptedServer() {
        QMetaObject::invokeMethod(
            &anchor_, [this] { delete server_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }

    quint16 port() const { return port_; }
    std::string baseUrl(const std::string& path = "/pvdaten") const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    void reply(Reply r) {
        std::lock_guard lock(mutex_);
        replies_.push_back(std::move(r));
    }
    void reply(const std::string& bytes) { reply(Reply{bytes}); }

    std::vector<std::string> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }
    int connections() const {
        std::lock_guard lock(mutex_);
        return connections_;
    }

    static std::string ok(const std::string& body, const std::string& extraHeaders = "") {
        return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" + extraHeaders +
               "\r\n" + body;
    }

private:
    // Lives on the server thread; its thread affinity carries the queued calls there.
    struct Anchor : QObject {};

    void listen() {
        server_ = new QTcpServer();
        server_->listen(QHostAddress::LocalHost, wantedPort_);
        port_ = server_->serverPort();
        QObject::connect(server_, &QTcpServer::newConnection, server_, [this] {
            while (QTcpSocket* socket = server_->nextPendingConnection()) {
                {
                    std::lock_guard lock(mutex_);
                    ++connections_;
                }
                auto buffer = std::make_shared<std::string>();
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                    const QByteArray data = socket->readAll();
                    buffer->append(data.constData(), static_cast<std::size_t>(data.size()));
                    for (auto end = buffer->find("\r\n\r\n"); end != std::string::npos;
                         end = buffer->find("\r\n\r\n")) {
                        Reply r;
                        {
                            std::lock_guard lock(mutex_);
                            requests_.push_back(buffer->substr(0, end + 4));
                            if (!replies_.empty()) {
                                r = replies_.front();
                                replies_.pop_front();
                            } else {
                                r.bytes = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n";
                            }
                        }
                        buffer->erase(0, end + 4);
                        if (r.silent) continue;
                        socket->write(r.bytes.data(), static_cast<qint64>(r.bytes.size()));
                        if (!r.trickle.empty()) {
                            trickle(socket, r);
                            continue;
                        }
                        if (r.close) socket->disconnectFromHost();
                    }
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    // The timer belongs to the socket, so it ends when the client hangs up.
    static void trickle(QTcpSocket* socket, const Reply& r) {
        auto* timer = new QTimer(socket);
        auto rest = std::make_shared<std::string>(r.trickle);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, rest, close = r.close] {
            socket->write(rest->data(), 1);
            rest->erase(0, 1);
            if (!rest->empty()) return;
            timer->stop();
            if (close) socket->disconnectFromHost();
        });
        timer->start(r.trickleMs);
    }

    QThread thread_;
    Anchor anchor_;
    QTcpServer* server_ = nullptr;
    quint16 wantedPort_ = 0;
    quint16 port_ = 0;
    mutable std::mutex mutex_;
    std::deque<Reply> replies_;
    std::vector<std::string> requests_;
    int connections_ = 0;
};

}  // namespace lumetra::test
