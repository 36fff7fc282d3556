#pragma once
// The web viewer's windows, created once in start-up order and kept for the run.
#include <memory>

#include "WebMainWindow.h"
#include "WebSettingsDialog.h"
#include "about/AboutBox.h"
#include "datepicker/DatePickerDialog.h"

namespace lumetra {

struct WebViewer {
    // Sets nothing application-wide; the caller sets the title and the error reporter.
    // A window whose creation failed stays null; without the main window nothing else is made.
    explicit WebViewer(const Path& workingDirectory, HttpLimits limits = {},
                       std::unique_ptr<ConnectionProbe> probe = std::make_unique<SystemConnectionProbe>());

    std::unique_ptr<WebMainWindow> mainWindow;
    std::unique_ptr<WebSettingsDialog> settings;
    std::unique_ptr<AboutBox> about;
    std::unique_ptr<FunctionDatePickerTarget> dateTarget;
    std::unique_ptr<DatePickerDialog> datePicker;
};

}  // namespace lumetra
