#pragma once
// The desktop program's windows and their start-up order, in one place.
#include "data/AppContext.h"
#include "ui/MessageBoxReporter.h"

#include <memory>

class QWidget;

namespace lumetra {

class AboutBox;
class MainWindow;
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
    StatisticsDialog* statistics() const { return statistics_; }
    AboutBox* about() const { return about_; }

private:
    void loadDailyYields();

    AppContext context_;
    MessageBoxReporter reporter_{kTitle};
    std::unique_ptr<MainWindow> main_;
    AboutBox* about_ = nullptr;            // owned by the main window
    StatisticsDialog* statistics_ = nullptr;
};

}  // namespace lumetra
