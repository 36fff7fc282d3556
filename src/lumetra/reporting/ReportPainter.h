#pragma once
// Lays the report lines out on pages and paints them: 0.5 inch margins, header and footer
// captions in Arial 12 point, the text in Courier New 10 point from 1/16 inch below the
// header to the top of the footer; long lines wrap, text goes on on the next page.
// One routine for the page view, the printer, PDF files and images.
#include <QRectF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "ReportDocument.h"

class QPaintDevice;
class QPainter;

namespace lumetra {

struct ReportPaintOptions {
    bool marginGuides = false;  // the page view draws the margins as dotted silver lines
    int onlyPage = 0;           // on an unpaged device (an image): the page to paint
};

// Where things go on one page, in the painter's coordinates of `device`.
struct ReportPageGeometry {
    QRectF page;
    QRectF margins;  // the page less 0.5 inch on every side
    QRectF header;
    QRectF footer;
    QRectF text;
    double lineSpacing = 0;
    int linesPerPage = 1;
};

ReportPageGeometry reportPageGeometry(QPaintDevice* device);

// The visual lines of each page (wrapped, tabs expanded); at least one page.
std::vector<std::vector<QString>> layoutReportPages(const std::vector<std::string>& lines,
                                                    QPaintDevice* device);

// Paints every page onto a paged device (printer, PDF writer), or one page onto any other
// device. Returns the number of pages of the layout; 0 when the device cannot be painted on.
// `extraPage`, on a paged device: one more page after the report, painted by the caller (not counted).
using ExtraPage = std::function<void(QPainter&, const ReportPageGeometry&)>;
int paintReport(QPaintDevice* device, const std::vector<std::string>& lines, const PageCaptions& header,
                const ReportPaintOptions& options = {}, const ExtraPage& extraPage = {});

}  // namespace lumetra
