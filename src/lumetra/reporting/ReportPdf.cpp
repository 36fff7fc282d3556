#include "ReportPdf.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>
#include <algorithm>

#include "ReportFiles.h"
#include "ReportPainter.h"
#include "base/Cp1252.h"
#include "base/Errors.h"
#include "base/Files.h"

namespace lumetra {
namespace {

void paintChartPage(QPainter& painter, const ReportPageGeometry& g, const ReportChart& chart) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(g.header, Qt::AlignLeft | Qt::AlignTop, chart.caption);
    if (!chart.panel || chart.panel->width() <= 0 || chart.panel->height() <= 0) return;

    const QSizeF size = chart.panel->size();
    const double scale = std::min(g.text.width() / size.width(), g.text.height() / size.height());
    painter.save();
    painter.translate(g.text.topLeft());
    painter.scale(scale, scale);
    chart.panel->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.restore();
}

}  // namespace

QByteArray reportPdf(const std::vector<std::string>& lines, const PageCaptions& header,
                     const ReportChart& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);  // as the high-resolution printer of "Druck"
        writer.setTitle(fromCp1252(header.left + " " + header.right));
        const auto chartPage = [&chart](QPainter& painter, const ReportPageGeometry& g) {
            paintChartPage(painter, g, chart);
        };
        if (paintReport(&writer, lines, header, {}, chartPage) == 0) fail(reportmsg::StreamSaveFailed);
    }
    return buffer.data();
}

void saveReportPdf(const Path& path, const std::vector<std::string>& lines, const PageCaptions& header,
                   const ReportChart& chart) {
    const QByteArray bytes = reportPdf(lines, header, chart);
    saveFileSafely(path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace lumetra
