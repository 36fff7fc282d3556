// The additions seen through the whole program on the demo plant: a PVGIS location that
// reaches the chart, and the month's report as a PDF with its chart page.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>

#include "DemoPlant.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Files.h"
#include "mainwindow/LumetraApp.h"
#include "mainwindow/MainWindow.h"
#include "reporting/PrintPreviewWindow.h"
#include "reporting/StatisticsDialog.h"
#include "settings/LocationEditor.h"
#include "settings/SettingsDialog.h"
#include "support/AppWorkingDir.h"
#include "support/QtApp.h"
#include "support/Screenshot.h"
#include "support/TempDir.h"
#include "ui/Dialogs.h"

using namespace lumetra;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << " " << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& path) {
    for (const QString& line : run("pdfinfo", {path}).split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

class AppExportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        demo::makeDemoPlant(dir.path(), LUMETRA_DEMO_SOURCE_DIR, Clock::today());
        app = std::make_unique<LumetraApp>();
        app->start();
        ErrorReporter::setCurrent(&reporter);  // the program set its own at start
    }
    void TearDown() override {
        ErrorReporter::setCurrent(nullptr);
        app.reset();
        Dialogs::setTestMode(false);
    }
    template <typename T = QAbstractButton>
    T* control(QWidget* window, const char* name) {
        auto* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    int referenceTop() { return control<QWidget>(app->mainWindow(), "Panel2")->y(); }

    test::TempDir dir;
    test::AppWorkingDir enter{dir};
    std::unique_ptr<LumetraApp> app;
    RecordingReporter reporter;
};

TEST_F(AppExportsTest, APvgisLocationReachesTheChartOnceChosen) {
    EXPECT_EQ(app->context().evaluation.averageYield, 1000);  // "Deutschland (Mittel)"
    control(app->mainWindow(), "sBitBtn3")->click();          // the line of the average yield
    EXPECT_EQ(referenceTop(), 315 - 150);
    const int bar = app->mainWindow()->chart()->Items(0).Value();

    Dialogs::setNextFileName(QString(LUMETRA_TEST_DATA) + "/pvgis/munich-4.5kwp.json");
    control(app->locationEditor(), "pvgisButton")->click();
    control(app->locationEditor(), "addButton")->click();
    EXPECT_EQ(dir.read("DATA/GLOBAL.DAT").substr(dir.read("DATA/GLOBAL.DAT").rfind("PVGIS")),
              "PVGIS 48.137, 11.575;3,8;5,4;8,6;10,8;12,1;12,4;12,9;11,6;9,0;6,5;3,9;3,1;1139\r\n");
    EXPECT_EQ(referenceTop(), 315 - 150);  // nothing is taken over before the location is chosen

    auto* location = control<QComboBox>(app->settings(), "locationField");
    location->setCurrentIndex(location->findText("PVGIS 48.137, 11.575"));
    control(app->settings(), "okButton")->click();
    EXPECT_EQ(app->context().evaluation.averageYield, 1139);
    EXPECT_DOUBLE_EQ(app->context().evaluation.monthlyPercentages[4], 12.1);  // May
    // 150 stands for 1000 kWh/kWp: the location's 1139 kWh/kWp lie 170 units high.
    EXPECT_GE(referenceTop(), 315 - 171);
    EXPECT_LE(referenceTop(), 315 - 170);
    // The bars are measured against May's share now (12,1 % instead of 14,5 %).
    EXPECT_GT(app->mainWindow()->chart()->Items(0).Value(), bar);
    EXPECT_TRUE(reporter.errors.empty());
}

// The month's report: the PDF holds the printed pages and then the chart as the window shows it.
TEST_F(AppExportsTest, ThePdfOfTheDemoMonthHoldsThePrintedPagesAndTheChart) {
    control(app->mainWindow(), "StatistikButton")->click();
    control(app->statistics(), "DruckButton")->click();
    PrintPreviewWindow* preview = app->printPreview();
    ASSERT_TRUE(preview->isVisible());
    auto* pdfButton = control<QPushButton>(preview, "PdfButton");
    EXPECT_EQ(pdfButton->geometry(), QRect(608, 8, 75, 25));
    EXPECT_EQ(pdfButton->text(), "PDF");
    test::saveScreenshot(*preview, "print-preview-pdf.png");

    Dialogs::setNextFileName(fromCp1252(dir.file("bericht")));
    pdfButton->click();
    ASSERT_TRUE(reporter.errors.empty()) << reporter.errors[0];
    EXPECT_EQ(Dialogs::lastTitle(), "PDF speichern");
    EXPECT_EQ(Dialogs::lastFilter(), "PDF-Datei (*.pdf)");
    EXPECT_EQ(Dialogs::lastDirectory(), qtPath(app->context().dirs.data));
    const QString pdf = fromCp1252(dir.file("bericht.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));

    const QString printed = fromCp1252(dir.file("printed.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setPageSize(QPageSize(QPageSize::A4));
        preview->printTo(printer);
    }
    const int pages = pdfPages(printed);
    ASSERT_GE(pages, 1);
    EXPECT_EQ(pdfPages(pdf), pages + 1);
    const QString text = run("pdftotext", {"-layout", "-l", QString::number(pages), pdf, "-"});
    EXPECT_EQ(text, run("pdftotext", {"-layout", printed, "-"}));
    for (const std::string& line : preview->document().lines)
        EXPECT_TRUE(text.simplified().contains(fromCp1252(line).simplified())) << line;
    EXPECT_TRUE(text.contains("PV - Statistik"));
    EXPECT_TRUE(text.contains("Mai 2024"));
    const QString last = QString::number(pages + 1);
    // The chart page: the month caption, then the panel's own captions.
    const QString chartText = run("pdftotext", {"-f", last, "-l", last, pdf, "-"});
    EXPECT_TRUE(chartText.startsWith("Mai 2024\n")) << chartText.toStdString();
    EXPECT_TRUE(chartText.contains("Tageswerte bei 1000 kWh/kWp")) << chartText.toStdString();

    // The chart page, rendered at 100 dpi: the panel is the block of black rows.
    run("pdftoppm",
        {"-f", last, "-l", last, "-r", "100", "-png", "-singlefile", pdf, fromCp1252(dir.file("chart"))});
    const QImage page(fromCp1252(dir.file("chart.png")));
    ASSERT_FALSE(page.isNull());
    test::saveScreenshot(page, "pdf-chart-page.png");
    const auto dark = [](QRgb c) { return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40; };
    int top = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        int count = 0;
        for (int x = 0; x < page.width(); ++x) count += dark(page.pixel(x, y));
        if (count > page.width() / 2) {
            if (top < 0) top = y;
            bottom = y;
        }
    }
    ASSERT_GT(top, 0);
    int left = 0, right = page.width() - 1;
    const int middle = (top + bottom) / 2;
    while (left < right && !dark(page.pixel(left, middle))) ++left;
    while (right > left && !dark(page.pixel(right, middle))) --right;
    QWidget* panel = app->mainWindow()->chart()->parentWidget();
    const double scale = (right - left + 1) / double(panel->width());
    EXPECT_NEAR((bottom - top + 1) / double(panel->height()), scale, 0.02);

    // Each day column is lit (lime) near the baseline when its bar is, and only then.
    TLedSpectrum* chart = app->mainWindow()->chart();
    const auto litNearBaseline = [&](int day) {
        const double centre = chart->x() + 4 + 21 * (day - 1) + 10;
        const double base = chart->y() + chart->height();
        for (double py = base - 40; py < base - 6; py += 0.5)
            for (double px = centre - 3; px <= centre + 3; px += 0.5) {
                const QRgb c = page.pixel(left + int(px * scale), top + int(py * scale));
                if (qGreen(c) > 180 && qRed(c) < 100 && qBlue(c) < 100) return true;
            }
        return false;
    };
    int litDays = 0;
    for (int day : {1, 5, 10, 15, 19, 21, 25, 31}) {
        const int value = chart->Items(day - 1).Value();
        if (value > 20) {
            EXPECT_TRUE(litNearBaseline(day)) << day;
            ++litDays;
        }
        if (value == 0) {
            EXPECT_FALSE(litNearBaseline(day)) << day;
        }
    }
    EXPECT_GE(litDays, 3);
    EXPECT_FALSE(litNearBaseline(25));  // after today

    // The reference line (red, 1000 kWh/kWp) lies where the window has it.
    const int lineY = top + int((control<QWidget>(app->mainWindow(), "Panel2")->y() + 0.5) * scale);
    int red = 0;
    for (int y = lineY - 2; y <= lineY + 2; ++y)
        for (int x = left; x <= right; ++x) {
            const QRgb c = page.pixel(x, y);
            red += qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90;
        }
    EXPECT_GT(red, (right - left) / 2);
}

TEST_F(AppExportsTest, APdfThatCannotBeSavedIsReported) {
    control(app->mainWindow(), "StatistikButton")->click();
    control(app->statistics(), "DruckButton")->click();
    Dialogs::setNextFileName(fromCp1252(dir.file("fehlt/bericht.pdf")));
    control(app->printPreview(), "PdfButton")->click();
    EXPECT_EQ(reporter.errors, std::vector<std::string>{"Datei " + dir.file("fehlt/bericht.pdf") +
                                                        " kann nicht erstellt werden."});
    control(app->printPreview(), "PdfButton")->click();  // cancelled
    EXPECT_EQ(reporter.errors.size(), 1u);
}

}  // namespace
