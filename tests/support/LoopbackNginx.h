#pragma once
// nginx from a scratch prefix on a free loopback port, publishing a directory under
// /pvdaten (scripts/web-server.sh); ended when it goes out of scope.
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <string>

namespace lumetra::test {

class LoopbackNginx {
public:
    static bool installed() {
        return !QStandardPaths::findExecutable("nginx", {"/usr/sbin", "/usr/bin", "/sbin"}).isEmpty();
    }

    // False when the script could not be started.
    bool start(const std::string& publishedDir, const std::string& prefix) {
        {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost, 0);
            port_ = probe.serverPort();
        }
        server_.setProcessChannelMode(QProcess::ForwardedChannels);
        server_.start(
            LUMETRA_SOURCE_DIR "/scripts/web-server.sh",
            {QString::fromStdString(publishedDir), QString::fromStdString(prefix), QString::number(port_)});
        return server_.waitForStarted();
    }

    // True once the port takes connections, within 10 s.
    bool waitUntilUp() {
        return QTest::qWaitFor(
            [&] {
                QTcpSocket s;
                s.connectToHost(QHostAddress::LocalHost, port_);
                return s.waitForConnected(100);
            },
            10000);
    }

    // True when the server ended within 5 s.
    bool stop() {
        server_.terminate();
        return server_.waitForFinished(5000);
    }

    ~LoopbackNginx() {
        if (server_.state() != QProcess::NotRunning) stop();
    }

    quint16 port() const { return port_; }
    std::string baseUrl() const { return "http://127.0.0.1:" + std::to_string(port_) + "/pvdaten"; }

private:
    QProcess server_;
    quint16 port_ = 0;
};

}  // namespace lumetra::test
