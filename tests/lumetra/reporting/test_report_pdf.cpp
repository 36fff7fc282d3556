#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "base/Cp1252.h"
#include "reporting/ReportPdf.h"
#include "support/TempDir.h"

namespace lumetra {
namespace {

QString pdfText(const QByteArray& pdf, const QStringList& options = {}) {
    test::TempDir dir;
    const QString path = fromCp1252(dir.file("report.pdf"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(pdf);
    file.close();
    QProcess p;
    p.start("pdftotext", options + QStringList{path, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Without the main window's chart the last page still carries the month, so the file keeps its shape.
TEST(ReportPdf, WithoutAChartTheLastPageHoldsTheCaptionAlone) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 150; ++i) lines.push_back(cp1252FromUtf8("   Zählerstand " + std::to_string(i)));
    const QByteArray pdf = reportPdf(lines, {"PV - Statistik", "", "Juli 2008"}, {"Juli 2008", nullptr});
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    QString text = pdfText(pdf);
    if (text.endsWith(u'\f')) text.chop(1);
    const QStringList pages = text.split(u'\f');
    ASSERT_GE(pages.size(), 3);  // 150 lines fill more than one A4 page
    EXPECT_TRUE(pages.front().contains(QString::fromUtf8("Zählerstand 1\n")));
    EXPECT_TRUE(pages[pages.size() - 2].contains(QString::fromUtf8("Zählerstand 150")));
    EXPECT_EQ(pages.back().trimmed(), "Juli 2008");
}

}  // namespace
}  // namespace lumetra
