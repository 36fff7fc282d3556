#pragma once
// The print preview (TForm9): holds the report document, shows it as pages, prints it,
// saves and opens statistics files and mails the report.
//
// The statistics window's "Druck", inside its guarded handler:
//     ReportInput input;
//     for (const std::string& name : reportLabelNames()) input.labels[name] = <label text>;
//     input.monthName = ...; input.year = ...;        // as the main window shows them
//     fillReportInputFromContext(input, context);    // day values, price, CO2 factor
//     preview->showReport(input);                     // throws on a non-number
#include <QPointer>
#include <functional>
#include <string>

#include "BuildReport.h"
#include "ReportDocument.h"
#include "SendMail.h"
#include "ui/FixedWindow.h"

class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace lumetra {

struct AppContext;

// The main window's month name and year as it shows them ("Juli", "2008").
struct MonthAndYear {
    std::string monthName;
    std::string year;
};

class PrintPreviewWindow : public ui::FixedWindow {
    Q_OBJECT
public:
    using MonthSource = std::function<MonthAndYear()>;

    explicit PrintPreviewWindow(AppContext& context, QWidget* parent = nullptr);
    ~PrintPreviewWindow() override;

    // Where "Versenden" takes month and year from; by default the evaluation's selection.
    void setMonthSource(MonthSource source);

    // Builds the report into this window's document, lays it out and shows the window.
    // A conversion failure throws; the lines built so far stay in the document, the page
    // view keeps its pages and the window is not shown.
    void showReport(const ReportInput& input);
    // Lays out the document as it stands and shows the window, brought to the front.
    void showDocument();

    ReportDocument& document() { return document_; }
    int zoomPercent() const { return zoom_; }
    int pageCount() const;  // pages in the page view
    MailHandOff* lastMailHandOff() const { return mailHandOff_; }

    // Handlers of the button bar.
    void printClick();
    void zoomInClick();
    void zoomOutClick();
    void saveClick();
    void openClick();
    void sendClick();
    void cancelClick();

    // Prints the laid-out pages with the report's print settings onto `printer`.
    void printTo(QPrinter& printer);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void applyZoom();
    MonthAndYear currentMonth() const;

    AppContext& context_;
    MonthSource monthSource_;
    ReportDocument document_;
    ReportDocument laidOut_;  // what the page view shows; stays when an open fails
    int zoom_;
    QPrinter* previewPrinter_;
    QWidget* buttonBar_;
    QPrintPreviewWidget* pageView_;
    QPushButton* printButton_;
    QPushButton* saveButton_;
    QPushButton* sendButton_;
    QPointer<MailHandOff> mailHandOff_;
};

}  // namespace lumetra
