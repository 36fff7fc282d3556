#pragma once
// The desktop program's windows and their start-up order, in one place.
#include <memory>

#include "data/AppContext.h"
#include "ui/MessageBoxReporter.h"

namespace lumetra {

class AboutBox;
class CsvImportDialog;
class DatePickerDialog;
class DayCurveWindow;
class LocationEditor;
class MainWindow;
class ManualEntryDialog;
class PrintPreviewWindow;
class PurposeDatePickerTarget;
class SettingsDialog;
class StatisticsDialog;

class LumetraApp {
public:
    static constexpr const char* kTitle = "Lumetra - Lumetrascope";

    LumetraApp();
    ~LumetraApp();

    // Creates every window in the start-up order and shows the main window. A failing
    // creation step is reported and start-up goes on.
    void start();

    AppContext& context() { return context_; }
    MainWindow* mainWindow() const { return main_.get(); }
    // The secondary windows belong to the main window; null when their creation failed.
    SettingsDialog* settings() const { return settings_; }
    LocationEditor* locationEditor() const { return locations_; }
    AboutBox* about() const { return about_; }
    ManualEntryDialog* manualEntry() const { return manualEntry_; }
    DatePickerDialog* datePicker() const { return datePicker_; }
    CsvImportDialog* csvImport() const { return csvImport_; }
    StatisticsDialog* statistics() const { return statistics_; }
    PrintPreviewWindow* printPreview() const { return preview_; }
    DayCurveWindow* dayCurve() const { return dayCurve_; }

private:
    void connectMainWindow();
    void printStatistics();

    AppContext context_;
    MessageBoxReporter reporter_{kTitle};
    std::unique_ptr<PurposeDatePickerTarget> pickedDate_;
    std::unique_ptr<MainWindow> main_;
    SettingsDialog* settings_ = nullptr;
    LocationEditor* locations_ = nullptr;
    AboutBox* about_ = nullptr;
    ManualEntryDialog* manualEntry_ = nullptr;
    DatePickerDialog* datePicker_ = nullptr;
    CsvImportDialog* csvImport_ = nullptr;
    StatisticsDialog* statistics_ = nullptr;
    PrintPreviewWindow* preview_ = nullptr;
    DayCurveWindow* dayCurve_ = nullptr;
};

}  // namespace lumetra
