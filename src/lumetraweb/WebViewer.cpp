#include "WebViewer.h"

#include "base/ErrorReporter.h"
#include "ui/WindowKit.h"

namespace lumetra {

WebViewer::WebViewer(const Path& workingDirectory, HttpLimits limits,
                     std::unique_ptr<ConnectionProbe> probe) {
    // Each creation step on its own: a failing one is reported and start-up goes on.
    guarded(
        [&] { mainWindow = std::make_unique<WebMainWindow>(workingDirectory, limits, std::move(probe)); });
    if (!mainWindow) return;
    WebMainWindow* main = mainWindow.get();
    guarded([&] {
        settings = std::make_unique<WebSettingsDialog>(workingDirectory, *main, main);
        main->setSettings(settings.get());
    });
    guarded([&] {
        if (settings) settings->FormCreate();
    });
    guarded([&] { about = std::make_unique<AboutBox>("Lumetra-Web", main); });
    guarded([&] {
        dateTarget = std::make_unique<FunctionDatePickerTarget>(
            [main](const std::string& text) { main->setDateText(text); });
        datePicker = std::make_unique<DatePickerDialog>(workingDirectory, dateTarget.get(), main);
    });
    main->setWindowOpeners([this] { ui::bringToFront(settings.get()); },
                           [this] { ui::bringToFront(about.get()); },
                           [this] { ui::bringToFront(datePicker.get()); });
}

}  // namespace lumetra
