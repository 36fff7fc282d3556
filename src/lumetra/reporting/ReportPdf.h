#pragma once
// The report as a PDF file: the pages "Druck" prints, painted by the same routine, then one
// page with the month's chart as the main window shows it, so the report travels with its picture.
#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "ReportDocument.h"
#include "base/Files.h"

class QWidget;

namespace lumetra {

struct ReportChart {
    QString caption;           // month caption and year, "Juli 2008"
    QWidget* panel = nullptr;  // the chart panel; it paints itself with its reference line
};

// A4; without a panel the last page holds the caption alone. Throws "Das Speichern des
// Streams ist mißlungen" when nothing could be painted.
QByteArray reportPdf(const std::vector<std::string>& lines, const PageCaptions& header,
                     const ReportChart& chart);

// Safe save; throws "Datei %s kann nicht erstellt werden", an old file stays whole.
void saveReportPdf(const Path& path, const std::vector<std::string>& lines, const PageCaptions& header,
                   const ReportChart& chart);

}  // namespace lumetra
