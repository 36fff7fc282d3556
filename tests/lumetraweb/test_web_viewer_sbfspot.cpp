// A plant logged by SBFspot: lumetra-sbfspot writes the day files into the directory the
// loopback nginx publishes, and the viewer draws the day from there.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "WebViewer.h"
#include "base/Clock.h"
#include "base/ErrorReporter.h"
#include "sbfspot/SbfspotDayFiles.h"
#include "support/LoopbackNginx.h"
#include "support/TempDir.h"

namespace lumetra {
namespace {

TEST(WebViewerSbfspot, ShowsTheDayWrittenFromAnSbfspotFileThroughNginx) {
    if (!test::LoopbackNginx::installed())
        GTEST_SKIP() << "nginx is not installed: skipping the web server integration test";
    test::TempDir smadata, upload, scratch, work;
    smadata.mkdir("2024");
    ASSERT_TRUE(QFile::copy(QString(LUMETRA_TEST_DATA) + "/sbfspot/Plant-20240715.csv",
                            QString::fromStdString(smadata.file("2024/Plant-20240715.csv"))));
    const sbfspot::TreeResult written = sbfspot::writeDayFilesOfTree(smadata.path(), upload.path(), "00");
    ASSERT_TRUE(written.failures.empty());
    ASSERT_TRUE(upload.exists("24071500.suo"));

    test::LoopbackNginx server;
    ASSERT_TRUE(server.start(upload.path(), scratch.file("nginx")));
    ASSERT_TRUE(server.waitUntilUp())
        << "nginx did not come up; see " << scratch.file("nginx/logs/error.log");

    Clock::setToday(Date{2024, 7, 15});
    struct ResetClock {
        ~ResetClock() { Clock::reset(); }
    } resetClock;
    work.write("LUMWEB.INI", "[SET]\r\nPATH=" + server.baseUrl() +
                                 "\r\nPAC=5000\r\nSMA=00\r\nTIME=10\r\nDisplay=0\r\nAUTO=0\r\n");
    RecordingReporter errors;
    WebViewer viewer(work.path());
    WebMainWindow& window = *viewer.mainWindow;
    QTest::mouseClick(window.findChild<QPushButton*>("LMDButton2"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.refreshRunning(); }, 10000));
    EXPECT_TRUE(errors.errors.empty()) << errors.errors.front();
    EXPECT_EQ(work.read("TEMP.CSV"), upload.read("24071500.suo"));

    // The same columns as the desktop day window: one ten-minute slot each.
    for (int c = 0; c < 144; ++c) {
        const double pac = c >= 36 && c < 120 ? 20.0 * c + 505.0 : 0.0;
        EXPECT_EQ(window.chart()->Items(c).Value(), static_cast<int>(pac * 0.02)) << c;
    }
    EXPECT_TRUE(server.stop());
}

}  // namespace
}  // namespace lumetra
