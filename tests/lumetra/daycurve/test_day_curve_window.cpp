#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "chart/TLedSpectrum.h"
#include "daycurve/DayCurveWindow.h"
#include "support/QtApp.h"
#include "support/Screenshot.h"
#include "support/TempDir.h"
#include "ui/Dialogs.h"

using namespace lumetra;

namespace {

std::string fixture(const std::string& name) {
    QFile f(QString(LUMETRA_TEST_DATA) + "/dayfiles/" + QString::fromStdString(name));
    f.open(QIODevice::ReadOnly);
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

class DayCurveWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dialogs::setTestMode(true);
        context.initialSettings.smaDirText = sma.path();
        context.dirs.archive = archive.path();
        context.evaluation.selectedDateText = "15.07.2008";
        sma.write("08071500.suo", fixture("08071500.suo"));
    }

    template <typename T>
    T* child(const char* name) {
        auto* w = window.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString label1() { return child<QLabel>("Label1")->text(); }
    bool archiveEnabled() { return child<QPushButton>("sButton2")->isEnabled(); }
    int column(int i) { return child<TLedSpectrum>("LedSpectrum1")->Items(i).Value(); }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    // A handler as its signal runs it: through the error path.
    void run(void (DayCurveWindow::*handler)()) {
        guarded([&] { (window.*handler)(); });
    }

    QApplication& app = test::qtApp();
    RecordingReporter errors;
    test::TempDir sma, archive;
    AppContext context;
    DayCurveWindow window{context};
};

}  // namespace

TEST_F(DayCurveWindowTest, Layout) {
    EXPECT_EQ(window.objectName(), "TForm10");
    EXPECT_EQ(window.windowTitle(), "Tageswerte");
    EXPECT_EQ(window.size(), QSize(464, 310));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(child<QWidget>("Panel1")->geometry(), QRect(8, 8, 449, 232));
    auto* chart = child<TLedSpectrum>("LedSpectrum1");
    EXPECT_EQ(chart->geometry(), QRect(4, 4, 441, 225));
    EXPECT_EQ(chart->Count(), 144);
    EXPECT_EQ(chart->layout().n, 108);
    EXPECT_EQ(child<QLabel>("Label1")->geometry().right() + 1, 448);
    EXPECT_EQ(child<QPushButton>("sButton2")->text(), "Tageswerte archivieren");
    EXPECT_TRUE(archiveEnabled());
}

TEST_F(DayCurveWindowTest, ShowsTheMainWindowsDay) {
    run(&DayCurveWindow::showDayValues);
    EXPECT_TRUE(errors.errors.empty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Tageswerte vom 15.07.2008");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "PAC max: 5000 Watt");
    // 103 data lines: the first on column 72 - 51 = 21.
    EXPECT_EQ(column(20), 0);
    EXPECT_EQ(column(21), 0);  // 19.871 W of 5000 is 0 %
    EXPECT_GT(column(72), 80);
    EXPECT_TRUE(archiveEnabled());
}

TEST_F(DayCurveWindowTest, HoverShowsThePowerOfTheColumnUnderThePointer) {
    std::string bytes = "K\r\nK\r\nK\r\nK\r\nK\r\n";
    for (int k = 0; k < 144; ++k) bytes += "15.07.2008;0;" + std::to_string(k) + ".5\r\n";
    sma.write("08071500.suo", bytes);
    run(&DayCurveWindow::showDayValues);
    EXPECT_EQ(label1(), "");

    struct Case {
        int x;
        const char* text;
    };
    const Case cases[] = {
        {6, "0.5 Watt"},   {7, "1.5 Watt"},     {9, "1.5 Watt"},   {10, "2.5 Watt"},    {430, "142.5 Watt"},
        {5, "142.5 Watt"}, {431, "142.5 Watt"}, {0, "142.5 Watt"}, {440, "142.5 Watt"},
    };
    for (const auto& c : cases) {
        window.LedSpectrum1MouseMove(c.x, 100);
        EXPECT_EQ(label1(), c.text) << "X = " << c.x;
    }

    // The chart's own pointer events reach the handler.
    auto* chart = child<TLedSpectrum>("LedSpectrum1");
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 50), chart->mapToGlobal(QPointF(100, 50)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(chart, &move);
    EXPECT_EQ(label1(), "32.5 Watt");
}

TEST_F(DayCurveWindowTest, HoverOverAnEmptyColumnAndLabel1AfterReads) {
    run(&DayCurveWindow::showDayValues);
    window.LedSpectrum1MouseMove(6, 0);
    EXPECT_EQ(label1(), "0,000 Watt");
    window.LedSpectrum1MouseMove(13, 0);  // column 3
    // A read whose file is missing keeps the old text, one that finds it empties it.
    context.evaluation.selectedDateText = "16.07.2008";
    run(&DayCurveWindow::showDayValues);
    EXPECT_EQ(label1(), "0,000 Watt");
    EXPECT_EQ(window.windowTitle(), "Tageswerte vom 16.07.2008");
    context.evaluation.selectedDateText = "15.07.2008";
    run(&DayCurveWindow::showDayValues);
    EXPECT_EQ(label1(), "");
}

TEST_F(DayCurveWindowTest, ArchivesTheDayOnShowAsDayFileAndPicture) {
    run(&DayCurveWindow::showDayValues);
    click("sButton2");
    EXPECT_TRUE(errors.errors.empty());
    EXPECT_EQ(archive.read("08071500.suo"), fixture("08071500.suo"));
    const QImage picture(QString::fromStdString(archive.file("TW_080715.bmp")), "BMP");
    EXPECT_EQ(picture.size(), QSize(449, 232));
    // The panel's own pixels, not a blank: the chart's frame is black and lit columns are coloured.
    EXPECT_EQ(picture.pixel(10, 10), qRgb(0, 0, 0));
    bool lit = false;
    for (int x = 0; x < 449 && !lit; ++x)
        for (int y = 0; y < 232 && !lit; ++y) lit = qGreen(picture.pixel(x, y)) > 200;
    EXPECT_TRUE(lit);
}

TEST_F(DayCurveWindowTest, ArchiveKeepsTheDayOnShowWhenTheMainDateMoved) {
    run(&DayCurveWindow::showDayValues);
    context.evaluation.selectedDateText = "20.08.2008";
    click("sButton2");
    EXPECT_TRUE(archive.exists("08071500.suo"));
    EXPECT_TRUE(archive.exists("TW_080715.bmp"));
    EXPECT_FALSE(archive.exists("08082000.suo"));
    EXPECT_FALSE(archive.exists("TW_080820.bmp"));
}

TEST_F(DayCurveWindowTest, ReadingBackFromTheArchive) {
    run(&DayCurveWindow::showDayValues);
    click("sButton2");
    // Lines of another day than the name says are drawn all the same.
    archive.write("08071600.suo", fixture("filtered.suo"));

    Dialogs::setNextFileName(QString::fromStdString(archive.file("08071600.suo")));
    click("sButton3");
    EXPECT_TRUE(errors.errors.empty());
    EXPECT_EQ(Dialogs::lastTitle(), QString::fromUtf8("Statistik öffnen"));
    EXPECT_EQ(Dialogs::lastDirectory(), QString::fromStdString(archive.path()));
    EXPECT_EQ(Dialogs::lastFilter(), "SMA-Tageswerte (*.SUO)");
    EXPECT_EQ(window.windowTitle(), "Tageswerte aus Archiv 08071600.suo");
    EXPECT_FALSE(archiveEnabled());
    EXPECT_EQ(column(72), 4);  // 200 W, though dated 14.07.2008
    EXPECT_EQ(column(21), 0);

    // Cancelled: nothing changes.
    click("sButton3");
    EXPECT_EQ(window.windowTitle(), "Tageswerte aus Archiv 08071600.suo");
    EXPECT_EQ(column(72), 4);

    click("sButton1");
    EXPECT_EQ(window.windowTitle(), "Tageswerte vom 15.07.2008");
    EXPECT_TRUE(archiveEnabled());
}

TEST_F(DayCurveWindowTest, MissingDayFileDisablesArchivingSoNoArchivedDayIsEmptied) {
    run(&DayCurveWindow::showDayValues);
    click("sButton2");
    context.evaluation.selectedDateText = "16.07.2008";
    archive.write("08071600.suo", "archiviert");
    run(&DayCurveWindow::showDayValues);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(column(72), 0);
    EXPECT_FALSE(archiveEnabled());
    run(&DayCurveWindow::sButton2Click);
    EXPECT_EQ(archive.read("08071600.suo"), "archiviert");
    EXPECT_EQ(archive.read("08071500.suo"), fixture("08071500.suo"));
}

TEST_F(DayCurveWindowTest, PacMaxFieldScalesAndIsShownAsEntered) {
    context.initialSettings.pacMaxText = "4600,5";
    std::string bytes = "K\r\nK\r\nK\r\nK\r\nK\r\n15.07.2008;0;4600.5\r\n15.07.2008;0;2300\r\n";
    sma.write("08071500.suo", bytes);
    run(&DayCurveWindow::showDayValues);
    EXPECT_EQ(child<QLabel>("Label2")->text(), "PAC max: 4600,5 Watt");
    EXPECT_EQ(column(71), 100);
    EXPECT_EQ(column(72), 49);
}

TEST_F(DayCurveWindowTest, BadPacMaxFieldChangesNothing) {
    run(&DayCurveWindow::showDayValues);
    const int before = column(72);
    struct Case {
        const char* field;
        const char* message;
    };
    const Case cases[] = {
        {"5000 W", "'5000 W' ist kein g\xFCltiger Gleitkommawert."},
        {"0", "PAC max darf nicht 0 sein."},
    };
    for (const auto& c : cases) {
        errors.errors.clear();
        context.initialSettings.pacMaxText = c.field;
        context.evaluation.selectedDateText = "16.07.2008";
        run(&DayCurveWindow::showDayValues);
        ASSERT_EQ(errors.errors.size(), 1u);
        EXPECT_EQ(errors.errors[0], c.message);
        EXPECT_EQ(column(72), before);
        EXPECT_EQ(child<QLabel>("Label2")->text(), "PAC max: 5000 Watt");
        EXPECT_EQ(window.windowTitle(), "Tageswerte vom 15.07.2008");
        EXPECT_TRUE(archiveEnabled());
    }
}

TEST_F(DayCurveWindowTest, UnreadableDayFileClearsTheChartButKeepsCaptionAndWindowHidden) {
    context.evaluation.selectedDateText = "16.07.2008";
    run(&DayCurveWindow::showDayValues);
    window.hide();
    context.evaluation.selectedDateText = "15.07.2008";
    sma.write("08071500.suo", "");
    QFile::remove(QString::fromStdString(sma.file("08071500.suo")));
    // Root reads any file whatever its mode; this one exists and fails on read.
    ASSERT_TRUE(QFile::link("/proc/self/mem", QString::fromStdString(sma.file("08071500.suo"))));
    run(&DayCurveWindow::showDayValues);
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0],
              cp1252FromUtf8("Datei " + sma.file("08071500.suo") + " kann nicht geöffnet werden."));
    EXPECT_EQ(window.windowTitle(), "Tageswerte vom 16.07.2008");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(archiveEnabled());
}

TEST_F(DayCurveWindowTest, ShowInactiveFollowsTheSetting) {
    auto* chart = child<TLedSpectrum>("LedSpectrum1");
    context.initialSettings.showInactiveChecked = false;
    run(&DayCurveWindow::showDayValues);
    EXPECT_FALSE(chart->ShowInactive());
    context.initialSettings.showInactiveChecked = true;
    run(&DayCurveWindow::showDayValues);
    EXPECT_TRUE(chart->ShowInactive());
}

TEST_F(DayCurveWindowTest, LooksRightWithASummerDay) {
    run(&DayCurveWindow::showDayValues);
    window.LedSpectrum1MouseMove(220, 100);
    EXPECT_EQ(label1(), "4697.482 Watt");
    test::saveScreenshot(window, "daycurve.png");
}

TEST_F(DayCurveWindowTest, OkHides) {
    run(&DayCurveWindow::showDayValues);
    click("sButton6");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Tageswerte vom 15.07.2008");
}
