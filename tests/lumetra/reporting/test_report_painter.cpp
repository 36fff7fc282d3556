#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>

#include "base/Cp1252.h"
#include "reporting/ReportPainter.h"
#include "support/TempDir.h"

namespace lumetra {
namespace {

const PageCaptions kHeader{"PV - Statistik", "", "Juli 2008"};

std::vector<std::string> numbered(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) lines.push_back("   Zeile " + std::to_string(i));
    return lines;
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Writes an A4 PDF and returns its text, pages separated by form feeds.
struct Pdf {
    int pages = 0;
    QStringList pageTexts;
    QString fonts;
};

Pdf paintPdf(const std::vector<std::string>& lines) {
    test::TempDir dir;
    const QString path = fromCp1252(dir.file("report.pdf"));
    Pdf pdf;
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        pdf.pages = paintReport(&writer, lines, kHeader);
    }
    QString text = run("pdftotext", {"-layout", path, "-"});
    if (text.endsWith(u'\f')) text.chop(1);
    pdf.pageTexts = text.split(u'\f');
    pdf.fonts = run("pdffonts", {path});
    return pdf;
}

TEST(ReportPainter, PdfHasHeaderCaptionsOnEveryPageAndBreaksPages) {
    QImage probe(2480, 3508, QImage::Format_RGB32);  // A4 at 300 dpi, for the page length
    probe.setDotsPerMeterX(11811);
    probe.setDotsPerMeterY(11811);
    const int perPage = reportPageGeometry(&probe).linesPerPage;
    ASSERT_GT(perPage, 50);  // 10 point lines between 0.5 inch margins on A4

    const Pdf pdf = paintPdf(numbered(2 * perPage + 5));
    ASSERT_EQ(pdf.pages, 3);
    ASSERT_EQ(pdf.pageTexts.size(), 3);
    for (const QString& page : pdf.pageTexts) {
        const QString firstLine = page.trimmed().section(u'\n', 0, 0);
        EXPECT_TRUE(firstLine.startsWith("PV - Statistik")) << firstLine.toStdString();
        EXPECT_TRUE(firstLine.endsWith("Juli 2008")) << firstLine.toStdString();
    }
    const auto lineNo = [](int n) { return QString("Zeile %1\n").arg(n); };
    EXPECT_TRUE(pdf.pageTexts[0].contains(lineNo(1)));
    EXPECT_TRUE(pdf.pageTexts[0].contains(lineNo(perPage)));
    EXPECT_FALSE(pdf.pageTexts[0].contains(lineNo(perPage + 1)));
    EXPECT_TRUE(pdf.pageTexts[1].contains(lineNo(perPage + 1)));
    EXPECT_TRUE(pdf.pageTexts[2].contains(lineNo(2 * perPage + 5)));
    // The metric twins of Courier New and Arial.
    EXPECT_TRUE(pdf.fonts.contains("LiberationMono")) << pdf.fonts.toStdString();
    EXPECT_TRUE(pdf.fonts.contains("LiberationSans")) << pdf.fonts.toStdString();
}

TEST(ReportPainter, LongLinesWrapAtBlanksOrMidWord) {
    std::string words;
    for (int i = 10; i < 40; ++i) words += "wort" + std::to_string(i) + " ";
    const std::string unbroken(200, 'x');
    const Pdf pdf = paintPdf({words, unbroken, "   Z\xE4hlerstand:___"});
    ASSERT_EQ(pdf.pages, 1);
    const QStringList lines = pdf.pageTexts[0].split(u'\n', Qt::SkipEmptyParts);
    // header, 210 characters of words on 3 lines, 200 x on 3 lines (about 87 characters fit),
    // the umlaut line
    ASSERT_EQ(lines.size(), 8) << pdf.pageTexts[0].toStdString();
    EXPECT_TRUE(lines[1].trimmed().startsWith("wort10 wort11"));
    EXPECT_TRUE(lines[1].trimmed().endsWith(u"wort21"));  // broken at a blank, not mid-word
    EXPECT_TRUE(lines[2].trimmed().startsWith("wort22"));
    EXPECT_TRUE(lines[3].trimmed().endsWith("wort39"));
    // Font rounding at the device's resolution may cost a character.
    EXPECT_GE(lines[4].trimmed().size(), 86);
    EXPECT_LE(lines[4].trimmed().size(), 87);
    EXPECT_EQ(lines[4].trimmed().size() + lines[5].trimmed().size() + lines[6].trimmed().size(), 200);
    EXPECT_EQ(lines[7].trimmed(), QString::fromUtf8("Zählerstand:___"));
}

QImage a4Image() {
    QImage image(794, 1123, QImage::Format_RGB32);  // A4 at 96 dpi
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

bool anyDark(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

TEST(ReportPainter, ImagePageWithMarginGuides) {
    QImage image = a4Image();
    const ReportPageGeometry g = reportPageGeometry(&image);
    EXPECT_NEAR(g.margins.left(), 48, 0.5);  // 0.5 inch at 96 dpi
    EXPECT_NEAR(g.margins.bottom(), 1123 - 48, 0.5);
    EXPECT_NEAR(g.text.top() - g.header.bottom(), 6, 0.5);  // 1/16 inch
    EXPECT_NEAR(g.header.height(), g.footer.height(), 0.01);

    const int pages = paintReport(&image, numbered(100), kHeader, ReportPaintOptions{true, 1});
    EXPECT_EQ(pages, 2);
    int silver = 0;
    for (int y = 100; y < 1000; ++y) silver += image.pixel(48, y) == qRgb(192, 192, 192);
    EXPECT_GT(silver, 100);  // dotted: about every other pixel
    EXPECT_LT(silver, 850);
    EXPECT_TRUE(anyDark(image, g.header.toRect()));
    EXPECT_TRUE(anyDark(image, QRect(48, int(g.text.top()), 200, int(g.lineSpacing))));
    EXPECT_FALSE(anyDark(image, QRect(0, 0, 47, 1123)));  // nothing in the left margin
    EXPECT_FALSE(anyDark(image, QRect(48, int(g.text.top() + 40 * g.lineSpacing), 700, 100)));
}

// A line of a megabyte lays out on pages in one pass: every page full but the last, no visual
// line wider than the text area, and nothing lost but the blanks the lines broke at.
TEST(ReportPainter, MegabyteLineLaysOutOnPages) {
    std::string line;
    while (line.size() < (1u << 20)) line += "Ertrag " + std::to_string(line.size() % 997) + " kWh ";
    QImage image = a4Image();
    const ReportPageGeometry g = reportPageGeometry(&image);
    const auto pages = layoutReportPages({line, "Ende"}, &image);
    ASSERT_GT(pages.size(), 100u);
    QString joined;
    std::size_t visual = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p + 1 < pages.size()) {
            EXPECT_EQ(pages[p].size(), static_cast<std::size_t>(g.linesPerPage));
        }
        for (const QString& text : pages[p]) joined += text + u' ';
        visual += pages[p].size();
    }
    const QFontMetricsF metrics(QFont("Courier New", 10), &image);
    for (std::size_t i : {std::size_t{0}, visual / 2, visual - 3}) {
        const QString& text =
            pages[i / static_cast<std::size_t>(g.linesPerPage)][i % static_cast<std::size_t>(g.linesPerPage)];
        EXPECT_LE(metrics.horizontalAdvance(text), g.text.width()) << i;
        EXPECT_GT(text.size(), 60) << i;  // about 87 fit; a break at a blank costs a word at most
    }
    EXPECT_EQ(pages.back().back(), "Ende");
    EXPECT_EQ(joined.simplified(), (QString::fromLatin1(line) + " Ende").simplified());
}

TEST(ReportPainter, EmptyDocumentAndTinyDeviceStillGiveAPage) {
    QImage image = a4Image();
    EXPECT_EQ(layoutReportPages({}, &image).size(), 1u);
    QImage tiny(20, 20, QImage::Format_RGB32);
    EXPECT_GE(layoutReportPages(numbered(3), &tiny).size(), 3u);  // and the layout ends
}

}  // namespace
}  // namespace lumetra
