// The exchange against the real web server the run script starts.
#include <gtest/gtest.h>

#include <QTest>

#include "HttpExchange.h"
#include "WebUrl.h"
#include "base/Errors.h"
#include "support/LoopbackNginx.h"
#include "support/TempDir.h"

namespace lumetra {
namespace {

TEST(NginxIntegration, ServesTheUploadDirectoryUnderPvdaten) {
    if (!test::LoopbackNginx::installed())
        GTEST_SKIP() << "nginx is not installed: skipping the web server integration test";
    test::TempDir upload, scratch;
    const std::string day =
        "Kopf\r\n2\r\n3\r\n4\r\n5\r\n15.07.2008 12:00:00;1;2500.0\r\n15.07.2008 12:10:00;1;2600.0\r\n";
    upload.write("08071500.suo", day);

    test::LoopbackNginx server;
    ASSERT_TRUE(server.start(upload.path(), scratch.file("nginx")));
    ASSERT_TRUE(server.waitUntilUp())
        << "nginx did not come up; see " << scratch.file("nginx/logs/error.log");

    HttpExchange http;
    const std::string base = server.baseUrl();
    std::string body;
    http.get(dayFileUrl(base, "08071500.suo"), [&](std::string_view b) { body.append(b); });
    EXPECT_EQ(body, day);
    try {
        http.get(dayFileUrl(base, "08071600.suo"), [](std::string_view) {});
        ADD_FAILURE() << "a missing day file must fail";
    } catch (const LumetraError& e) {
        EXPECT_EQ(std::string(e.what()), "HTTP/1.1 404 Not Found");
    }

    EXPECT_TRUE(server.stop());
}

}  // namespace
}  // namespace lumetra
