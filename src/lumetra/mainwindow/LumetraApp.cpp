#include "LumetraApp.h"

#include "about/AboutBox.h"
#include "base/Files.h"
#include "mainwindow/MainWindow.h"
#include "reporting/StatisticsDialog.h"

#include <QApplication>
#include <QScreen>

namespace lumetra {

LumetraApp::LumetraApp() = default;

LumetraApp::~LumetraApp() {
    if (&ErrorReporter::current() == &reporter_) ErrorReporter::setCurrent(nullptr);
}

void LumetraApp::start() {
    QApplication::setApplicationName(kTitle);
    ErrorReporter::setCurrent(&reporter_);

    guarded([&] {
        main_ = std::make_unique<MainWindow>(context_);
        reporter_.setOwner(main_.get());
        QObject::connect(main_.get(), &MainWindow::closed, qApp, &QCoreApplication::quit);
    });
    if (!main_) return;

    // Settings dialog: loads LUMETRA.INI into its fields and takes the values over.
    // Location editor: loads GLOBAL.DAT and takes the chosen location over.

    guarded([&] {
        about_ = new AboutBox("Lumetra+", main_.get());
        main_->setAboutBox(about_);
    });

    // Manual entry dialog: its creation fills the daily yields.
    guarded([&] { loadDailyYields(); });

    // Date picker: reads JAHRE.DAT.
    // CSV import dialog.

    guarded([&] {
        statistics_ = new StatisticsDialog(main_.get());
        main_->setStatisticsDialog(statistics_);
        main_->MonatClick();  // the first evaluation
    });

    // Print preview window.
    // Day curve window.

    if (QScreen* screen = QGuiApplication::primaryScreen())
        main_->move(screen->availableGeometry().center() - main_->rect().center());
    main_->show();
}

void LumetraApp::loadDailyYields() {
    const std::string path = findFileNoCase(context_.dirs.data, DailyYieldList::kFileName);
    if (fileExists(path)) context_.yields.loadFromFile(path);
}

}  // namespace lumetra
