#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "PreviewFixture.h"
#include "reporting/ReportFiles.h"
#include "support/Screenshot.h"

namespace lumetra {
namespace {

using test::demoReportInput;

QPushButton* button(QWidget* window, const char* name) {
    auto* b = window->findChild<QPushButton*>(name);
    EXPECT_NE(b, nullptr) << name;
    return b;
}

class PreviewWindow : public test::PreviewFixture {
protected:
    // Prints the laid-out pages into a PDF and returns its text.
    QString printedText() {
        const QString path = fromCp1252(data.file("print.pdf"));
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageSize(QPageSize(QPageSize::A4));
            window->printTo(printer);
            EXPECT_EQ(printer.docName(), "<document>");
            EXPECT_EQ(printer.colorMode(), QPrinter::GrayScale);
            EXPECT_EQ(printer.duplex(), QPrinter::DuplexNone);
            EXPECT_TRUE(printer.collateCopies());
        }
        QProcess p;
        p.start("pdftotext", {"-layout", path, "-"});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

TEST_F(PreviewWindow, ShowReportLaysOutAndShows) {
    EXPECT_EQ(window->objectName(), "TForm9");
    EXPECT_EQ(window->windowTitle(), "Lumetra - Druckvorschau");
    EXPECT_FALSE(window->isVisible());
    for (const char* name : {"PrintButton", "SaveButton", "SendButton"})
        EXPECT_FALSE(button(window.get(), name)->isEnabled()) << name;

    window->showReport(demoReportInput());
    EXPECT_TRUE(window->isVisible());
    for (const char* name : {"PrintButton", "SaveButton", "SendButton"})
        EXPECT_TRUE(button(window.get(), name)->isEnabled()) << name;
    EXPECT_EQ(window->document().lines.size(), 29u + 31u + 4u);
    EXPECT_EQ(window->document().header.right, "Juli 2008");
    EXPECT_GE(window->pageCount(), 1);
    EXPECT_EQ(window->zoomPercent(), 50);
    EXPECT_EQ(button(window.get(), "ZoomInButton")->geometry(), QRect(96, 8, 75, 25));

    // The next report replaces the whole document and the header.
    window->showReport(demoReportInput("Februar", "2009"));
    EXPECT_EQ(window->document().header.right, "Februar 2009");
    EXPECT_EQ(window->document().lines.size(), 29u + 31u + 4u);
}

TEST_F(PreviewWindow, FailedReportKeepsItsLinesButShowsNothing) {
    window->showReport(demoReportInput());
    window->hide();
    const int pages = window->pageCount();
    ReportInput bad = demoReportInput("August");
    bad.dayValueTexts[3] = "n/a";
    EXPECT_THROW(window->showReport(bad), LumetraError);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->document().lines.size(), 29u + 2u);
    EXPECT_EQ(window->pageCount(), pages);
}

TEST_F(PreviewWindow, ZoomButtonsStepAndStopAtTheLimits) {
    auto* view = window->findChild<QPrintPreviewWidget*>("PageView");
    ASSERT_NE(view, nullptr);
    for (int i = 0; i < 9; ++i) QTest::mouseClick(button(window.get(), "ZoomInButton"), Qt::LeftButton);
    EXPECT_EQ(window->zoomPercent(), 400);
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 4.0);
    for (int i = 0; i < 16; ++i) QTest::mouseClick(button(window.get(), "ZoomOutButton"), Qt::LeftButton);
    EXPECT_EQ(window->zoomPercent(), 7);
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 0.07);
}

TEST_F(PreviewWindow, SaveThenOpenGivesTheSameLinesAndPages) {
    window->showReport(demoReportInput());
    const auto lines = window->document().lines;
    const int pages = window->pageCount();
    const QString printedBefore = printedText();

    Dialogs::setNextFileName(fromCp1252(data.file("bericht")));
    run(&PrintPreviewWindow::saveClick);
    EXPECT_EQ(Dialogs::lastTitle(), "Statistik speichern");
    EXPECT_EQ(Dialogs::lastDirectory(), fromCp1252(data.path()));
    EXPECT_TRUE(Dialogs::lastFilter().startsWith("PV-Statistik (*.PVS"));
    ASSERT_TRUE(data.exists("bericht.PVS"));

    window->showReport(demoReportInput("Februar", "2009"));
    Dialogs::setNextFileName(fromCp1252(data.file("bericht.PVS")));
    run(&PrintPreviewWindow::openClick);
    EXPECT_EQ(Dialogs::lastTitle(), QString::fromUtf8("Statistik öffnen"));
    EXPECT_EQ(window->document().lines, lines);
    EXPECT_EQ(window->document().header.right, "Februar 2009");  // the header stays
    EXPECT_EQ(window->pageCount(), pages);
    EXPECT_EQ(printedText().replace("Februar 2009", "Juli 2008"), printedBefore);
    EXPECT_TRUE(printedBefore.contains("Tag: 31")) << printedBefore.toStdString();
    EXPECT_TRUE(errors().empty());
}

TEST_F(PreviewWindow, OpensPlainTextAsLines) {
    data.write("notiz.PVS", "eins\r\n  zwei\r\n");
    Dialogs::setNextFileName(fromCp1252(data.file("notiz.PVS")));
    run(&PrintPreviewWindow::openClick);
    EXPECT_EQ(window->document().lines, (std::vector<std::string>{"eins", "  zwei"}));
    EXPECT_EQ(window->pageCount(), 1);
}

TEST_F(PreviewWindow, OpensAFileOfOneMegabyteLine) {
    std::string line;
    while (line.size() < (1u << 20)) line += "Tag " + std::to_string(line.size() % 31) + ": 12,5 kWh ";
    data.write("lang.PVS", line + "\r\n");
    Dialogs::setNextFileName(fromCp1252(data.file("lang.PVS")));
    window->openClick();
    EXPECT_EQ(window->document().lines.size(), 1u);
    EXPECT_GT(window->pageCount(), 100);  // about 87 characters a line, some 60 lines a page
    EXPECT_TRUE(errors().empty());
}

TEST_F(PreviewWindow, FailedOpenKeepsTheDocumentAndThePages) {
    data.write("kaputt.PVS", "{\\rtf1\\ansi {\\b abc}");
    struct Case {
        std::string file, error;
    } cases[] = {
        {"kaputt.PVS", cp1252FromUtf8("Das Laden des Streams ist mißlungen.")},
        {"fehlt.PVS", "Datei " + data.file("fehlt.PVS") + cp1252FromUtf8(" kann nicht geöffnet werden.")},
    };
    for (const Case& c : cases) {
        window->showReport(demoReportInput());
        const auto lines = window->document().lines;
        const int pages = window->pageCount();
        reporter.errors.clear();
        Dialogs::setNextFileName(fromCp1252(data.file(c.file)));
        run(&PrintPreviewWindow::openClick);
        EXPECT_EQ(errors(), std::vector<std::string>{c.error});
        EXPECT_EQ(window->document().lines, lines) << c.file;
        EXPECT_EQ(window->pageCount(), pages) << c.file;
    }
}

TEST_F(PreviewWindow, FailedSaveKeepsTheDocument) {
    window->showReport(demoReportInput());
    const auto lines = window->document().lines;
    const std::string path = data.file("fehlt/bericht.PVS");
    Dialogs::setNextFileName(fromCp1252(path));
    run(&PrintPreviewWindow::saveClick);
    EXPECT_EQ(errors(), std::vector<std::string>{"Datei " + path + " kann nicht erstellt werden."});
    EXPECT_EQ(window->document().lines, lines);
}

TEST_F(PreviewWindow, CancelledDialogsChangeNothing) {
    window->showReport(demoReportInput());
    const auto lines = window->document().lines;
    run(&PrintPreviewWindow::saveClick);
    run(&PrintPreviewWindow::openClick);
    EXPECT_EQ(window->document().lines, lines);
    EXPECT_TRUE(errors().empty());
}

TEST_F(PreviewWindow, PrintWithoutPrinterSaysSo) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    window->showReport(demoReportInput());
    run(&PrintPreviewWindow::printClick);
    EXPECT_EQ(errors(), std::vector<std::string>{"Unable to print... No Printer available."});
}

TEST_F(PreviewWindow, AbbruchHidesAndKeepsTheDocument) {
    window->showReport(demoReportInput());
    QTest::mouseClick(button(window.get(), "CancelButton"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->document().lines.size(), 64u);
}

TEST_F(PreviewWindow, PageViewShowsThePage) {
    window->showReport(demoReportInput());
    for (int i = 0; i < 3; ++i) run(&PrintPreviewWindow::zoomInClick);
    QCoreApplication::processEvents();
    const QImage shot = window->grab().toImage();
    test::saveScreenshot(shot, "lumetra_preview.png");
    // Some dark text and some white paper below the button bar.
    int dark = 0, white = 0;
    for (int y = 60; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2) {
            const QRgb p = shot.pixel(x, y);
            dark += qGray(p) < 100;
            white += p == qRgb(255, 255, 255);
        }
    EXPECT_GT(dark, 100);
    EXPECT_GT(white, 10000);
}

}  // namespace
}  // namespace lumetra
