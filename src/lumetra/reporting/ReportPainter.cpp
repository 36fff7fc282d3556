#include "ReportPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

#include "base/Cp1252.h"

namespace lumetra {
namespace {

QFont textFont() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(10);
    return font;
}

QFont captionFont() {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(12);
    return font;
}

QRectF pageRect(QPaintDevice* device) {
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(device)) {
        // The painter's origin is the printable area's corner; the page starts before it.
        const QPageLayout layout = paged->pageLayout();
        const int dpi = device->logicalDpiX();
        const QRect full = layout.fullRectPixels(dpi);
        const QRect paint = layout.paintRectPixels(dpi);
        return QRectF(QPointF(full.topLeft() - paint.topLeft()), QSizeF(full.size()));
    }
    return QRectF(0, 0, device->width(), device->height());
}

QString expandTabs(QString text) {
    QString out;
    for (QChar c : text) {
        if (c == u'\t')
            out.append(QString(8 - out.size() % 8, u' '));
        else
            out.append(c);
    }
    return out;
}

// Character advances of the text font, looked up once each: measuring strings shapes them,
// which for a long report cost far more than the page layout itself. The report font has no
// kerning, so a prefix is as wide as the sum of its characters.
class Advances {
public:
    explicit Advances(const QFontMetricsF& metrics) : metrics_(metrics) { latin1_.fill(-1); }
    double of(QChar c) {
        if (c.unicode() < latin1_.size()) {
            double& known = latin1_[c.unicode()];
            if (known < 0) known = metrics_.horizontalAdvance(c);
            return known;
        }
        auto found = others_.find(c.unicode());
        if (found == others_.end()) found = others_.emplace(c.unicode(), metrics_.horizontalAdvance(c)).first;
        return found->second;
    }

private:
    const QFontMetricsF& metrics_;
    std::array<double, 256> latin1_{};
    std::unordered_map<char16_t, double> others_;
};

// The longest prefix of `text` that fits `width`, measured only as far as it fits.
qsizetype fittingPrefix(QStringView text, Advances& advances, double width) {
    double used = 0;
    qsizetype fits = 0;
    while (fits < text.size()) {
        used += advances.of(text[fits]);
        if (used > width) break;
        ++fits;
    }
    return fits;
}

void wrapInto(std::vector<QString>& out, const QString& line, Advances& advances, double width) {
    QStringView text(line);
    for (;;) {
        qsizetype fits = fittingPrefix(text, advances, width);
        if (fits == text.size()) break;
        fits = std::max<qsizetype>(fits, 1);
        // Break after the last blank that leaves some text on the line, else mid-word.
        const qsizetype blank = text.left(fits + 1).lastIndexOf(u' ');
        if (blank > 0 && !text.left(blank).trimmed().isEmpty()) {
            out.push_back(text.left(blank).toString());
            text = text.mid(blank + 1);
        } else {
            out.push_back(text.left(fits).toString());
            text = text.mid(fits);
        }
    }
    out.push_back(text.toString());
}

void paintPage(QPainter& painter, const ReportPageGeometry& g, const std::vector<QString>& lines,
               const PageCaptions& header, const ReportPaintOptions& options) {
    if (options.marginGuides) {
        painter.save();
        QPen pen(QColor(192, 192, 192), 0, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(g.margins);
        painter.restore();
    }
    painter.setPen(Qt::black);
    painter.setFont(captionFont());
    painter.drawText(g.header, Qt::AlignLeft | Qt::AlignTop, fromCp1252(header.left));
    painter.drawText(g.header, Qt::AlignHCenter | Qt::AlignTop, fromCp1252(header.centre));
    painter.drawText(g.header, Qt::AlignRight | Qt::AlignTop, fromCp1252(header.right));

    const QFont font = textFont();
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    double y = g.text.top() + ascent;
    for (const QString& line : lines) {
        painter.drawText(QPointF(g.text.left(), y), line);
        y += g.lineSpacing;
    }
}

}  // namespace

ReportPageGeometry reportPageGeometry(QPaintDevice* device) {
    ReportPageGeometry g;
    const double dpiX = device->logicalDpiX();
    const double dpiY = device->logicalDpiY();
    g.page = pageRect(device);
    g.margins = g.page.adjusted(dpiX / 2, dpiY / 2, -dpiX / 2, -dpiY / 2);
    const double captionHeight = QFontMetricsF(captionFont(), device).height();
    g.header = QRectF(g.margins.left(), g.margins.top(), g.margins.width(), captionHeight);
    g.footer = QRectF(g.margins.left(), g.margins.bottom() - captionHeight, g.margins.width(), captionHeight);
    const double textTop = g.header.bottom() + dpiY / 16;
    g.text = QRectF(g.margins.left(), textTop, g.margins.width(), std::max(0.0, g.footer.top() - textTop));
    g.lineSpacing = QFontMetricsF(textFont(), device).lineSpacing();
    // A page too small for one line still takes one, or the layout would never end.
    g.linesPerPage = std::max(1, static_cast<int>(std::floor(g.text.height() / g.lineSpacing)));
    return g;
}

std::vector<std::vector<QString>> layoutReportPages(const std::vector<std::string>& lines,
                                                    QPaintDevice* device) {
    const ReportPageGeometry g = reportPageGeometry(device);
    const QFontMetricsF metrics(textFont(), device);
    Advances advances(metrics);
    std::vector<QString> visual;
    for (const std::string& line : lines)
        wrapInto(visual, expandTabs(fromCp1252(line)), advances, g.text.width());

    std::vector<std::vector<QString>> pages;
    for (std::size_t i = 0; i < visual.size(); i += static_cast<std::size_t>(g.linesPerPage)) {
        const auto end = std::min(visual.size(), i + static_cast<std::size_t>(g.linesPerPage));
        pages.emplace_back(visual.begin() + static_cast<std::ptrdiff_t>(i),
                           visual.begin() + static_cast<std::ptrdiff_t>(end));
    }
    if (pages.empty()) pages.emplace_back();
    return pages;
}

int paintReport(QPaintDevice* device, const std::vector<std::string>& lines, const PageCaptions& header,
                const ReportPaintOptions& options, const ExtraPage& extraPage) {
    const auto pages = layoutReportPages(lines, device);
    const ReportPageGeometry g = reportPageGeometry(device);
    QPainter painter;
    if (!painter.begin(device)) return 0;
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(device)) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0) paged->newPage();
            paintPage(painter, g, pages[i], header, options);
        }
        if (extraPage) {
            paged->newPage();
            extraPage(painter, g);
        }
    } else {
        const auto page = static_cast<std::size_t>(std::max(0, options.onlyPage));
        if (page < pages.size()) paintPage(painter, g, pages[page], header, options);
    }
    painter.end();
    return static_cast<int>(pages.size());
}

}  // namespace lumetra
