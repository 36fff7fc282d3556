// Every window of the web viewer, the main window with a fetched day of the demo plant,
// against its reference picture.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "DemoPlant.h"
#include "WebViewer.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "dayfile/DayFileName.h"
#include "lumetraweb/core/ScriptedServer.h"
#include "support/TempDir.h"
#include "support/WindowPicture.h"

namespace lumetra {
namespace {

class ConnectedProbe : public ConnectionProbe {
public:
    ConnectionState query(const std::string&) const override { return {true, ConnectionFlag::Lan}; }
};

TEST(WebWindowPictures, EveryWindowWithADayOfTheDemoPlant) {
    test::steadyPictures();
    const Date today{2024, 5, 20};
    Clock::setToday(today);
    test::TempDir plant, work;
    demo::makeDemoPlant(plant.path(), LUMETRA_DEMO_SOURCE_DIR, today);
    test::ScriptedServer server;
    server.reply(test::ScriptedServer::ok(plant.read("upload/" + DayFileName("20.05.2024", "00"))));
    // The settings show a fixed address; the refresh goes to the server's.
    const std::string shownUrl = "http://127.0.0.1:8095/pvdaten";
    work.write("LUMWEB.INI",
               "[SET]\r\nPATH=" + shownUrl + "\r\nPAC=5000\r\nSMA=00\r\nTIME=5\r\nDisplay=1\r\nAUTO=0\r\n");
    RecordingReporter errors;
    {
        WebViewer viewer(work.path(), {}, std::make_unique<ConnectedProbe>());
        auto* address = viewer.settings->findChild<QLineEdit*>("LMDEdit1");
        ASSERT_NE(address, nullptr);
        address->setText(fromCp1252(server.baseUrl()));
        viewer.mainWindow->LMDButton2Click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !viewer.mainWindow->refreshRunning(); }, 10000));
        address->setText(fromCp1252(shownUrl));
        ASSERT_GT(viewer.mainWindow->day().lines.count(), 0);

        test::expectWindowPicture(viewer.mainWindow.get(), "web_main_window");
        test::expectWindowPicture(viewer.settings.get(), "web_settings");
        test::expectWindowPicture(viewer.datePicker.get(), "web_date_picker");
        test::expectWindowPicture(viewer.about.get(), "web_about_box");
    }
    EXPECT_TRUE(errors.errors.empty()) << errors.errors.front();
    Clock::reset();
}

}  // namespace
}  // namespace lumetra
