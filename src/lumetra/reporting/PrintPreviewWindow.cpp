#include "PrintPreviewWindow.h"

#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QResizeEvent>

#include "ReportFiles.h"
#include "ReportPainter.h"
#include "ZoomSteps.h"
#include "base/Cp1252.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "base/German.h"
#include "data/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/WindowKit.h"

namespace lumetra {
namespace {

constexpr int kBarHeight = 41;
const QString kFilter = QStringLiteral("PV-Statistik (*.PVS *.pvs)");
constexpr const char* kNoPrinter = "Unable to print... No Printer available.";

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(AppContext& context, QWidget* parent)
    : FixedWindow(ui::WindowSetup{"TForm9", "Lumetra - Druckvorschau", QSize(870, 696)}
                      .as(ui::WindowKind::Resizable)
                      .withDesktopFont(),
                  parent),
      context_(context),
      zoom_(kStartZoom) {
    buttonBar_ = new QWidget(this);
    buttonBar_->setObjectName("ButtonBar");
    using W = PrintPreviewWindow;
    const auto buttons =
        ui::placeButtons<W>(this, buttonBar_,
                            {
                                {"PrintButton", "Druck", QRect(8, 8, 75, 25), &W::printClick},
                                {"ZoomInButton", "Zoom +", QRect(96, 8, 75, 25), &W::zoomInClick},
                                {"ZoomOutButton", "Zoom -", QRect(176, 8, 75, 25), &W::zoomOutClick},
                                {"SaveButton", "Speichern", QRect(264, 8, 75, 25), &W::saveClick},
                                {"OpenButton", "Öffnen", QRect(344, 8, 75, 25), &W::openClick},
                                {"SendButton", "Versenden", QRect(432, 8, 75, 25), &W::sendClick},
                                {"CancelButton", "Abbruch", QRect(520, 8, 75, 25), &W::cancelClick},
                            });
    printButton_ = buttons[0];
    saveButton_ = buttons[3];
    sendButton_ = buttons[5];
    // Nothing to print, save or send before the first report.
    for (QPushButton* button : {printButton_, saveButton_, sendButton_}) button->setEnabled(false);

    previewPrinter_ = new QPrinter(QPrinter::HighResolution);
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    previewPrinter_->setPageSize(printer.isNull() ? QPageSize(QPageSize::A4) : printer.defaultPageSize());
    previewPrinter_->setFullPage(true);
    pageView_ = new QPrintPreviewWidget(previewPrinter_, this);
    pageView_->setObjectName("PageView");
    pageView_->setViewMode(QPrintPreviewWidget::SinglePageView);
    ui::connectGuarded(pageView_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* target) {
        paintReport(target, laidOut_.lines, laidOut_.header, ReportPaintOptions{true, 0});
    });
    applyZoom();
}

PrintPreviewWindow::~PrintPreviewWindow() {
    delete pageView_;  // it paints through the printer, so it goes first
    pageView_ = nullptr;
    delete previewPrinter_;
}

void PrintPreviewWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    buttonBar_->setGeometry(0, 0, width(), kBarHeight);
    pageView_->setGeometry(0, kBarHeight, width(), std::max(0, height() - kBarHeight));
}

void PrintPreviewWindow::setMonthSource(MonthSource source) { monthSource_ = std::move(source); }

MonthAndYear PrintPreviewWindow::currentMonth() const {
    if (monthSource_) return monthSource_();
    const EvaluationState& state = context_.evaluation;
    return {germanMonthName(state.selectedMonth), std::to_string(state.selectedYear)};
}

void PrintPreviewWindow::showReport(const ReportInput& input) {
    BuildReport(input, document_);
    showDocument();
}

void PrintPreviewWindow::showDocument() {
    layOut();
    for (QPushButton* button : {printButton_, saveButton_, sendButton_}) button->setEnabled(true);
    ui::bringToFront(this);
}

void PrintPreviewWindow::layOut() {
    laidOut_ = document_;
    pageView_->updatePreview();
}

int PrintPreviewWindow::pageCount() const { return pageView_->pageCount(); }

void PrintPreviewWindow::applyZoom() {
    pageView_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    pageView_->setZoomFactor(zoom_ / 100.0);
}

void PrintPreviewWindow::printClick() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw LumetraError(kNoPrinter);
    QPrinter printer(info, QPrinter::HighResolution);
    printTo(printer);
}

void PrintPreviewWindow::printTo(QPrinter& printer) {
    printer.setColorMode(QPrinter::GrayScale);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setCollateCopies(true);
    printer.setDocName(QStringLiteral("<document>"));
    printer.setFullPage(true);
    if (paintReport(&printer, laidOut_.lines, laidOut_.header) == 0) throw LumetraError(kNoPrinter);
}

void PrintPreviewWindow::zoomInClick() {
    zoom_ = zoomIn(zoom_);
    applyZoom();
}

void PrintPreviewWindow::zoomOutClick() {
    zoom_ = zoomOut(zoom_);
    applyZoom();
}

void PrintPreviewWindow::saveClick() {
    QString name = Dialogs::saveFileName(this, QStringLiteral("Statistik speichern"),
                                         qtPath(context_.dirs.data), kFilter);
    if (name.isEmpty()) return;
    if (QFileInfo(name).suffix().isEmpty()) name += name.endsWith(u'.') ? "PVS" : ".PVS";
    saveReportFile(pathFromQt(name), document_.lines);
}

void PrintPreviewWindow::openClick() {
    const QString name = Dialogs::openFileName(this, QString::fromUtf8("Statistik öffnen"),
                                               qtPath(context_.dirs.data), kFilter);
    if (name.isEmpty()) return;
    // Read first: a failed open keeps the document that the page view still shows, so
    // a later save or mail cannot silently send an empty report.
    document_.lines = loadReportFile(pathFromQt(name));
    layOut();
}

void PrintPreviewWindow::sendClick() {
    const std::string recipient = context_.settings->mail();
    if (recipient.empty()) {
        Dialogs::information(this, QStringLiteral("Information"),
                             QStringLiteral("Kein Mail-Eintrag in Einstellungen vorhanden!"));
        return;
    }
    const MonthAndYear month = currentMonth();
    const Path path =
        context_.dirs.data / pathFromText("Statistik_" + month.monthName + "_" + month.year + ".RTF");
    saveReportFile(path, document_.lines);

    MailRequest request;
    request.set("to", recipient);
    request.set("subject", "PV - Statistik: " + month.monthName + " " + month.year);
    request.set("attachment0", toCp1252(QFileInfo(qtPath(path)).absoluteFilePath()));
    mailHandOff_ = SendMail(this, request);
}

void PrintPreviewWindow::cancelClick() { hide(); }

}  // namespace lumetra
