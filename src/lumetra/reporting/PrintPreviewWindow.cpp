#include "PrintPreviewWindow.h"

#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QResizeEvent>

#include "ReportFiles.h"
#include "ReportPainter.h"
#include "ReportPdf.h"
#include "ZoomSteps.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "base/German.h"
#include "data/AppContext.h"
#include "ui/Dialogs.h"

namespace lumetra {
namespace {

constexpr int kBarHeight = 41;
const QString kFilter = QStringLiteral("PV-Statistik (*.PVS *.pvs)");
constexpr const char* kNoPrinter = "Unable to print... No Printer available.";

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), zoom_(kStartZoom) {
    setObjectName("TForm9");
    setWindowTitle(QStringLiteral("Lumetra - Druckvorschau"));
    resize(870, 696);

    buttonBar_ = new QWidget(this);
    buttonBar_->setObjectName("ButtonBar");
    printButton_ = addButton("PrintButton", "Druck", 8, &PrintPreviewWindow::printClick);
    addButton("ZoomInButton", "Zoom +", 96, &PrintPreviewWindow::zoomInClick);
    addButton("ZoomOutButton", "Zoom -", 176, &PrintPreviewWindow::zoomOutClick);
    saveButton_ = addButton("SaveButton", "Speichern", 264, &PrintPreviewWindow::saveClick);
    addButton("OpenButton", "Öffnen", 344, &PrintPreviewWindow::openClick);
    sendButton_ = addButton("SendButton", "Versenden", 432, &PrintPreviewWindow::sendClick);
    addButton("CancelButton", "Abbruch", 520, &PrintPreviewWindow::cancelClick);
    pdfButton_ = addButton("PdfButton", "PDF", 608, &PrintPreviewWindow::pdfClick);
    // Nothing to print, save or send before the first report.
    for (QPushButton* button : {printButton_, saveButton_, sendButton_, pdfButton_})
        button->setEnabled(false);

    previewPrinter_ = new QPrinter(QPrinter::HighResolution);
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    previewPrinter_->setPageSize(printer.isNull() ? QPageSize(QPageSize::A4) : printer.defaultPageSize());
    previewPrinter_->setFullPage(true);
    pageView_ = new QPrintPreviewWidget(previewPrinter_, this);
    pageView_->setObjectName("PageView");
    pageView_->setViewMode(QPrintPreviewWidget::SinglePageView);
    connect(pageView_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* target) {
        guarded([&] { paintReport(target, laidOut_.lines, laidOut_.header, ReportPaintOptions{true, 0}); });
    });
    applyZoom();
}

PrintPreviewWindow::~PrintPreviewWindow() {
    delete pageView_;  // it paints through the printer, so it goes first
    pageView_ = nullptr;
    delete previewPrinter_;
}

QPushButton* PrintPreviewWindow::addButton(const char* name, const char* text, int left,
                                           void (PrintPreviewWindow::*handler)()) {
    auto* button = new QPushButton(QString::fromUtf8(text), buttonBar_);
    button->setObjectName(name);
    button->setGeometry(left, 8, 75, 25);
    connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    return button;
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
    for (QPushButton* button : {printButton_, saveButton_, sendButton_, pdfButton_}) button->setEnabled(true);
    show();
    raise();
    activateWindow();
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
    guarded([&] {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) throw LumetraError(kNoPrinter);
        QPrinter printer(info, QPrinter::HighResolution);
        printTo(printer);
    });
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
    guarded([&] {
        QString name = Dialogs::saveFileName(this, QStringLiteral("Statistik speichern"),
                                             fromCp1252(context_.dirs.data), kFilter);
        if (name.isEmpty()) return;
        if (QFileInfo(name).suffix().isEmpty()) name += name.endsWith(u'.') ? "PVS" : ".PVS";
        saveReportFile(toCp1252(name), document_.lines);
    });
}

void PrintPreviewWindow::openClick() {
    guarded([&] {
        const QString name = Dialogs::openFileName(this, QString::fromUtf8("Statistik öffnen"),
                                                   fromCp1252(context_.dirs.data), kFilter);
        if (name.isEmpty()) return;
        // Read first: a failed open keeps the document that the page view still shows, so
        // a later save or mail cannot silently send an empty report.
        document_.lines = loadReportFile(toCp1252(name));
        layOut();
    });
}

void PrintPreviewWindow::sendClick() {
    guarded([&] {
        const std::string recipient = context_.settings->mail();
        if (recipient.empty()) {
            Dialogs::information(this, QStringLiteral("Information"),
                                 QStringLiteral("Kein Mail-Eintrag in Einstellungen vorhanden!"));
            return;
        }
        const MonthAndYear month = currentMonth();
        const std::string path =
            joinPath(context_.dirs.data, "Statistik_" + month.monthName + "_" + month.year + ".RTF");
        saveReportFile(path, document_.lines);

        MailRequest request;
        request.set("to", recipient);
        request.set("subject", "PV - Statistik: " + month.monthName + " " + month.year);
        request.set("attachment0", toCp1252(QFileInfo(fromCp1252(path)).absoluteFilePath()));
        mailHandOff_ = SendMail(this, request);
    });
}

void PrintPreviewWindow::cancelClick() { hide(); }

void PrintPreviewWindow::pdfClick() {
    guarded([&] {
        QString name =
            Dialogs::saveFileName(this, QStringLiteral("PDF speichern"), fromCp1252(context_.dirs.data),
                                  QStringLiteral("PDF-Datei (*.pdf)"));
        if (name.isEmpty()) return;
        if (QFileInfo(name).suffix().isEmpty()) name += name.endsWith(u'.') ? "pdf" : ".pdf";
        const MonthAndYear month = currentMonth();
        const ReportChart chart{fromCp1252(month.monthName + " " + month.year),
                                chartSource_ ? chartSource_() : nullptr};
        saveReportPdf(toCp1252(name), laidOut_.lines, laidOut_.header, chart);
    });
}

}  // namespace lumetra
