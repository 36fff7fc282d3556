#include "WebViewer.h"

#include "base/ErrorReporter.h"

namespace lumetra {
namespace {
void bringBack(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}
}  // namespace

WebViewer::WebViewer(const Path& workingDirectory, HttpLimits limits,
                     std::unique_ptr<ConnectionProbe> probe) {
    mainWindow = std::make_unique<WebMainWindow>(workingDirectory, limits, std::move(probe));
    settings = std::make_unique<WebSettingsDialog>(workingDirectory, *mainWindow, mainWindow.get());
    guarded([&] { settings->FormCreate(); });
    mainWindow->setSettings(settings.get());
    about = std::make_unique<AboutBox>("Lumetra-Web", mainWindow.get());
    dateTarget = std::make_unique<FunctionDatePickerTarget>(
        [w = mainWindow.get()](const std::string& text) { w->setDateText(text); });
    datePicker = std::make_unique<DatePickerDialog>(workingDirectory, dateTarget.get(), mainWindow.get());
    mainWindow->setWindowOpeners([this] { bringBack(settings.get()); }, [this] { bringBack(about.get()); },
                                 [this] { bringBack(datePicker.get()); });
}

}  // namespace lumetra
