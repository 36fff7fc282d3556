// The exchange against the real web server the run script starts.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "HttpExchange.h"
#include "WebUrl.h"
#include "base/Errors.h"
#include "support/TempDir.h"

namespace lumetra {
namespace {

TEST(NginxIntegration, ServesTheUploadDirectoryUnderPvdaten) {
    if (QStandardPaths::findExecutable("nginx", {"/usr/sbin", "/usr/bin", "/sbin"}).isEmpty())
        GTEST_SKIP() << "nginx is not installed: skipping the web server integration test";
    test::TempDir upload, scratch;
    const std::string day =
        "Kopf\r\n2\r\n3\r\n4\r\n5\r\n15.07.2008 12:00:00;1;2500.0\r\n15.07.2008 12:10:00;1;2600.0\r\n";
    upload.write("08071500.suo", day);

    quint16 port;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    }
    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedChannels);
    server.start(LUMETRA_SOURCE_DIR "/scripts/web-server.sh",
                 {QString::fromStdString(upload.path()), QString::fromStdString(scratch.file("nginx")),
                  QString::number(port)});
    ASSERT_TRUE(server.waitForStarted());
    const bool up = QTest::qWaitFor(
        [&] {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            return s.waitForConnected(100);
        },
        10000);
    ASSERT_TRUE(up) << "nginx did not come up; see " << scratch.file("nginx/logs/error.log");

    HttpExchange http;
    const std::string base = "http://127.0.0.1:" + std::to_string(port) + "/pvdaten";
    std::string body;
    http.get(dayFileUrl(base, "08071500.suo"), [&](std::string_view b) { body.append(b); });
    EXPECT_EQ(body, day);
    try {
        http.get(dayFileUrl(base, "08071600.suo"), [](std::string_view) {});
        ADD_FAILURE() << "a missing day file must fail";
    } catch (const LumetraError& e) {
        EXPECT_EQ(std::string(e.what()), "HTTP/1.1 404 Not Found");
    }

    server.terminate();
    EXPECT_TRUE(server.waitForFinished(5000));
}

}  // namespace
}  // namespace lumetra
