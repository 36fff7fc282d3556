#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cerrno>

#include "WebViewer.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Files.h"
#include "lumetraweb/core/ScriptedServer.h"
#include "support/Screenshot.h"
#include "support/TempDir.h"

using lumetra::test::ScriptedServer;

namespace lumetra {
namespace {

class FakeProbe : public ConnectionProbe {
public:
    explicit FakeProbe(ConnectionState* state) : state_(state) {}
    ConnectionState query(const std::string&) const override { return *state_; }

private:
    ConnectionState* state_;
};

// A day file of 5 header lines and `dataLines` lines with PAC 10, 20, 30, … W.
std::string dayFile(int dataLines) {
    std::string text = "SMA\r\nKopf 2\r\nKopf 3\r\nKopf 4\r\nZeit;E;Pac\r\n";
    for (int i = 1; i <= dataLines; ++i)
        text += "15.07.2008 10:00:00;0;" + std::to_string(10 * i) + ".5;x\r\n";
    return text;
}

class WebViewerTest : public testing::Test {
protected:
    void SetUp() override { Clock::setToday(Date{2008, 7, 15}); }
    void TearDown() override { Clock::reset(); }

    void writeIni(const std::string& extra = "") {
        dir.write("LUMWEB.INI", "[SET]\r\nPATH=" + server.baseUrl() +
                                    "\r\nPAC=1000\r\nSMA=00\r\nTIME=10\r\n"
                                    "Display=0\r\nAUTO=0\r\n" +
                                    extra);
    }
    WebViewer& start() {
        HttpLimits limits;
        limits.stallTimeoutMs = 1000;
        viewer = std::make_unique<WebViewer>(dir.path(), limits, std::make_unique<FakeProbe>(&connection));
        return *viewer;
    }
    WebMainWindow& window() { return *viewer->mainWindow; }
    template <typename T = QLabel>
    T* find(QWidget* parent, const char* name) {
        auto* w = parent->findChild<T*>(name);
        EXPECT_TRUE(w) << name;
        return w;
    }
    QString label(const char* name) { return find(&window(), name)->text(); }
    void refresh() {
        QTest::mouseClick(find<QPushButton>(&window(), "LMDButton2"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window().refreshRunning(); }, 10000));
    }
    std::vector<int> litColumns() {
        std::vector<int> lit;
        for (int i = 0; i < 144; ++i)
            if (window().chart()->Items(i).Value() != 0) lit.push_back(i);
        return lit;
    }

    ScriptedServer server;
    test::TempDir dir;
    ConnectionState connection{true, ConnectionFlag::Lan};
    RecordingReporter errors;
    std::unique_ptr<WebViewer> viewer;
};

TEST_F(WebViewerTest, StartsWithTodayAndFetchesNothing) {
    writeIni();
    start();
    EXPECT_EQ(window().objectName(), "TForm1");
    EXPECT_EQ(window().windowTitle(), "Lumetra-Web");
    EXPECT_EQ(window().size(), QSize(464, 318));
    EXPECT_EQ(label("Label1"), "15.07.2008");
    EXPECT_EQ(label("Label2"), "...");
    EXPECT_EQ(label("Status"), "Status: OK");
    EXPECT_EQ(find<QWidget>(&window(), "LedSpectrum1")->geometry(), QRect(4, 4, 441, 225));
    QTest::qWait(50);
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(litColumns().empty());
    EXPECT_TRUE(errors.errors.empty());
}

TEST_F(WebViewerTest, ButtonsBringBackTheSameWindows) {
    writeIni();
    start();
    window().show();
    const std::pair<const char*, QWidget*> buttons[] = {{"LMDButton4", viewer->settings.get()},
                                                        {"LMDButton3", viewer->about.get()},
                                                        {"sBitBtn4", viewer->datePicker.get()}};
    for (auto [name, shown] : buttons) {
        QTest::mouseClick(find<QPushButton>(&window(), name), Qt::LeftButton);
        EXPECT_TRUE(shown->isVisible()) << name;
        shown->close();
        EXPECT_FALSE(shown->isVisible()) << name;
        QTest::mouseClick(find<QPushButton>(&window(), name), Qt::LeftButton);
        EXPECT_TRUE(shown->isVisible()) << name;
    }
    EXPECT_EQ(viewer->about->objectName(), "TForm4");
    test::saveScreenshot(*viewer->settings, "lumetraweb-settings.png");
    test::saveScreenshot(*viewer->about, "lumetraweb-about.png");
    QTest::mouseClick(find<QPushButton>(&window(), "LMDButton1"), Qt::LeftButton);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(WebViewerTest, FetchesAndShowsTheDay) {
    writeIni();
    server.reply(ScriptedServer::ok(dayFile(95)));
    start();
    refresh();
    ASSERT_TRUE(errors.errors.empty()) << errors.errors[0];
    EXPECT_EQ(server.requests().at(0).substr(0, 36), "GET /pvdaten/08071500.suo HTTP/1.1\r\n");
    EXPECT_EQ(label("Status"), " Internetverbindung : LAN  Internetverbindung besteht");
    EXPECT_EQ(dir.read("TEMP.CSV"), dayFile(95));
    const auto lit = litColumns();
    ASSERT_EQ(lit.size(), 95u);
    EXPECT_EQ(lit.front(), 25);
    EXPECT_EQ(lit.back(), 119);
    EXPECT_EQ(window().chart()->Items(25).Value(), 1);    // 10.5 W of 1000
    EXPECT_EQ(window().chart()->Items(119).Value(), 95);  // 950.5 W
    EXPECT_EQ(label("Label2"), "");
    EXPECT_TRUE(window().chart()->ShowInactive());  // Display=0

    // Hover: X = 6 is column 0; X = 84 column 26; 5 and 431 change nothing.
    const std::pair<int, QString> hover[] = {
        {6, "0,000 Watt"}, {84, "20.5 Watt"}, {5, "20.5 Watt"}, {431, "20.5 Watt"}, {430, "0,000 Watt"}};
    for (auto [x, text] : hover) {
        QTest::mouseMove(window().chart(), QPoint(x, 100));
        window().LedSpectrum1MouseMove(x);
        EXPECT_EQ(label("Label2"), text) << x;
    }
    test::saveScreenshot(window(), "lumetraweb.png");
}

struct FailureCase {
    const char* name;
    std::string response;
    std::string error;
};

class WebViewerFailures : public WebViewerTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(WebViewerFailures, KeepThePictureAndEmptyTheFile) {
    writeIni();
    server.reply(ScriptedServer::ok(dayFile(95)));
    server.reply(GetParam().response);
    start();
    refresh();
    QTest::mouseMove(window().chart(), QPoint(84, 100));
    window().LedSpectrum1MouseMove(84);
    refresh();
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0], GetParam().error);
    EXPECT_EQ(litColumns().size(), 95u);
    EXPECT_EQ(label("Label2"), "20.5 Watt");
    EXPECT_EQ(dir.read("TEMP.CSV"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Responses, WebViewerFailures,
    testing::Values(FailureCase{"NotFound", "HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\nweg",
                                "HTTP/1.1 404 Not Found."},
                    FailureCase{"Redirect",
                                "HTTP/1.1 302 Found\r\nLocation: /anderswo\r\nContent-Length: 0\r\n\r\n",
                                "HTTP/1.1 302 Found."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WebViewerTest, EmptyOrForeignContentEmptiesTheChartWithoutMessage) {
    writeIni();
    for (const std::string& body :
         {std::string(), std::string("<html>\r\n<body>\r\nnichts\r\n</body>\r\n</html>\r\n"
                                     "<p>a;b;c</p>\r\n<p>1;2;x</p>\r\n<p>3</p>\r\n")}) {
        server.reply(ScriptedServer::ok(dayFile(95)));
        server.reply(ScriptedServer::ok(body));
    }
    start();
    for (int round = 0; round < 2; ++round) {
        refresh();
        window().LedSpectrum1MouseMove(84);
        refresh();
        EXPECT_TRUE(litColumns().empty()) << round;
        EXPECT_EQ(label("Label2"), "") << round;
    }
    EXPECT_TRUE(errors.errors.empty());
}

TEST_F(WebViewerTest, WithoutConnectionOnlyTheStatusChanges) {
    writeIni();
    connection = ConnectionState{false, 0};
    start();
    refresh();
    EXPECT_EQ(label("Status"), " Es besteht keine Verbindung ins Internet. Bitte Verbindung herstellen.");
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(errors.errors.empty());
    EXPECT_EQ(label("Label2"), "...");
}

TEST_F(WebViewerTest, ABadPacMaximumStopsBeforeAnyRequest) {
    writeIni();
    dir.write("TEMP.CSV", "vorher");
    start();
    find<QLineEdit>(viewer->settings.get(), "LMDMaskEdit1")->clear();
    refresh();
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0], cp1252FromUtf8("'' ist kein gültiger Gleitkommawert."));
    EXPECT_EQ(label("Status"), " Internetverbindung : LAN  Internetverbindung besteht");
    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(dir.read("TEMP.CSV"), "vorher");
}

TEST_F(WebViewerTest, ASilentServerNeitherHoldsTheWindowNorStacksRefreshes) {
    writeIni();
    server.reply(ScriptedServer::ok(dayFile(7)));
    server.reply(ScriptedServer::Reply{"", false, true});
    server.reply(ScriptedServer::ok(dayFile(95)));
    start();
    refresh();
    ASSERT_EQ(litColumns().size(), 7u);
    QTest::mouseClick(find<QPushButton>(&window(), "LMDButton2"), Qt::LeftButton);
    ASSERT_TRUE(window().refreshRunning());
    // Meanwhile the window answers, and further requests collapse into one.
    window().LedSpectrum1MouseMove(219);  // column 71: the third of lines on 69…75
    EXPECT_EQ(label("Label2"), "30.5 Watt");
    window().LMDButton2Click();
    viewer->settings->Timer1Timer();  // AUTO is off: no effect
    window().LMDButton2Click();
    EXPECT_TRUE(window().refreshWaiting());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return server.requests().size() == 3 && !window().refreshRunning(); }, 10000));
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0], "Read timed out.");
    QTest::qWait(100);
    EXPECT_EQ(server.requests().size(), 3u);
    EXPECT_EQ(litColumns().size(), 95u);
}

TEST_F(WebViewerTest, ATempFileThatCannotBeCreatedStopsBeforeTheRequest) {
    writeIni();
    dir.mkdir("TEMP.CSV");
    start();
    refresh();
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0],
              cp1252FromUtf8("Datei " + dir.file("TEMP.CSV") + " kann nicht erstellt werden."));
    EXPECT_TRUE(server.requests().empty());
}

// A disk that fills up during the fetch: the last day stays on show and in TEMP.CSV.
TEST_F(WebViewerTest, AFailedWriteKeepsTheOldTempFileAndTheDayOnShow) {
    struct FullDisk : FileWriteLayer {
        ssize_t write(int, const void*, std::size_t) override {
            errno = ENOSPC;
            return -1;
        }
    } fullDisk;
    writeIni();
    server.reply(ScriptedServer::ok(dayFile(95)));
    server.reply(ScriptedServer::ok(dayFile(20)));
    start();
    refresh();
    const std::string before = dir.read("TEMP.CSV");
    setFileWriteLayer(&fullDisk);
    refresh();
    setFileWriteLayer(nullptr);
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0],
              cp1252FromUtf8("Datei " + dir.file("TEMP.CSV") + " kann nicht erstellt werden."));
    EXPECT_EQ(dir.read("TEMP.CSV"), before);
    EXPECT_EQ(litColumns().size(), 95u);
}

TEST_F(WebViewerTest, ARefusedPortIsASocketError) {
    quint16 port;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    }
    dir.write("LUMWEB.INI", "[SET]\r\nPATH=http://127.0.0.1:" + std::to_string(port) + "/pvdaten\r\n");
    start();
    refresh();
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0], "Socket Error # 111\nConnection refused.");
}

TEST_F(WebViewerTest, HttpsIsRefused) {
    dir.write("LUMWEB.INI", "[SET]\r\nPATH=https://127.0.0.1/pvdaten\r\n");
    start();
    refresh();
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0], "IOHandler value is not valid.");
}

TEST_F(WebViewerTest, ThePickedDayIsFetchedAtTheNextRefresh) {
    writeIni();
    start();
    viewer->datePicker->yearBoxChange("2009");
    viewer->datePicker->monthBoxChange(QString::fromUtf8("März"));
    viewer->datePicker->calendarClick(5);
    viewer->datePicker->okButtonClick();
    EXPECT_EQ(label("Label1"), "05.03.2009");
    EXPECT_TRUE(server.requests().empty());
    refresh();
    EXPECT_EQ(server.requests().at(0).substr(0, 26), "GET /pvdaten/09030500.suo ");
}

}  // namespace
}  // namespace lumetra
