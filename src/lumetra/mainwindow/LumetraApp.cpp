#include "LumetraApp.h"

#include <QApplication>
#include <QScreen>

#include "about/AboutBox.h"
#include "base/German.h"
#include "datepicker/DatePickerDialog.h"
#include "daycurve/DayCurveWindow.h"
#include "entry/CsvImportDialog.h"
#include "entry/ManualEntryDialog.h"
#include "entry/PurposeDatePickerTarget.h"
#include "mainwindow/MainWindow.h"
#include "reporting/BuildReport.h"
#include "reporting/PrintPreviewWindow.h"
#include "reporting/StatisticsDialog.h"
#include "settings/FileTransfer.h"
#include "settings/LocationEditor.h"
#include "settings/SettingsDialog.h"
#include "ui/WindowKit.h"

namespace lumetra {
LumetraApp::LumetraApp() = default;

LumetraApp::~LumetraApp() {
    // The windows refer to the context and the date target; they go first.
    main_.reset();
    if (&ErrorReporter::current() == &reporter_) ErrorReporter::setCurrent(nullptr);
}

void LumetraApp::start() {
    QApplication::setApplicationName(kTitle);
    ErrorReporter::setCurrent(&reporter_);

    guarded([&] {
        main_ = std::make_unique<MainWindow>(context_);
        reporter_.setOwner(main_.get());
    });
    if (!main_) return;
    QWidget* owner = main_.get();

    guarded([&] { settings_ = new SettingsDialog(context_, owner); });
    guarded([&] {
        if (settings_) locations_ = new LocationEditor(context_, *settings_, owner);
    });
    guarded([&] {
        about_ = new AboutBox("Lumetra+", owner);
        main_->setAboutBox(about_);
    });
    guarded([&] { manualEntry_ = new ManualEntryDialog(context_, owner); });
    guarded([&] {
        pickedDate_ = std::make_unique<PurposeDatePickerTarget>(context_, manualEntry_);
        datePicker_ = new DatePickerDialog(context_.dirs.data, pickedDate_.get(), owner);
        if (manualEntry_) manualEntry_->setDatePicker(datePicker_);
    });
    guarded([&] { csvImport_ = new CsvImportDialog(context_, owner); });
    guarded([&] {
        statistics_ = new StatisticsDialog(owner);
        statistics_->setPrintHandler([this] { printStatistics(); });
        main_->setStatisticsDialog(statistics_);
        main_->MonatClick();  // the first evaluation
    });
    guarded([&] {
        preview_ = new PrintPreviewWindow(context_, owner);
        preview_->setChartSource([this]() -> QWidget* { return main_->chart()->parentWidget(); });
    });
    guarded([&] { dayCurve_ = new DayCurveWindow(context_, owner); });

    connectMainWindow();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        main_->move(screen->availableGeometry().center() - main_->rect().center());
    main_->show();
}

// "Druck": the report from the statistics window's labels and the month's day values.
void LumetraApp::printStatistics() {
    if (!preview_) return;
    ReportInput input;
    for (const std::string& name : reportLabelNames()) input.labels[name] = statistics_->labelText(name);
    input.monthName = germanMonthName(context_.evaluation.selectedMonth);
    input.year = std::to_string(context_.evaluation.selectedYear);
    fillReportInputFromContext(input, context_);
    preview_->showReport(input);
}

void LumetraApp::connectMainWindow() {
    MainWindow* main = main_.get();
    ui::connectGuarded(main, &MainWindow::settingsRequested, main, [this] { ui::bringToFront(settings_); });
    ui::connectGuarded(main, &MainWindow::datePickerRequested, main,
                       [this] { ui::bringToFront(datePicker_); });
    ui::connectGuarded(main, &MainWindow::manualEntryRequested, main, [this] {
        if (manualEntry_) manualEntry_->openFromMainWindow();
    });
    ui::connectGuarded(main, &MainWindow::csvImportRequested, main, [this] {
        if (csvImport_) csvImport_->openFromMainWindow();
    });
    ui::connectGuarded(main, &MainWindow::dayValuesRequested, main, [this] {
        if (dayCurve_) dayCurve_->showDayValues();
    });
    // Throws on failure; the close event's guard reports it and keeps the window open.
    main->setCloseHandler([this] {
        backupOnClose(context_);
        return true;
    });
    QObject::connect(main, &MainWindow::closed, qApp, &QCoreApplication::quit);
}

}  // namespace lumetra
