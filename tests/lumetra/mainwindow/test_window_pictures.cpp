// Every window of the desktop program on the demo plant, as it paints, against its reference.
#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QToolButton>

#include "DemoPlant.h"
#include "about/AboutBox.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "datepicker/DatePickerDialog.h"
#include "daycurve/DayCurveWindow.h"
#include "entry/CsvImportDialog.h"
#include "entry/ManualEntryDialog.h"
#include "mainwindow/LumetraApp.h"
#include "mainwindow/MainWindow.h"
#include "reporting/PrintPreviewWindow.h"
#include "reporting/StatisticsDialog.h"
#include "settings/LocationEditor.h"
#include "settings/SettingsDialog.h"
#include "support/QtApp.h"
#include "support/TempDir.h"
#include "support/WindowPicture.h"
#include "ui/Dialogs.h"

using namespace lumetra;

namespace {

TEST(WindowPictures, EveryWindowOfTheDemoPlant) {
    test::qtApp();
    test::steadyPictures();
    Dialogs::setTestMode(true);
    Dialogs::shownMessages().clear();
    const Date today{2024, 5, 20};
    Clock::setToday(today);
    test::TempDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(fromCp1252(dir.path()));
    // Relative, so the settings show the same folders wherever the test runs.
    demo::makeDemoPlant(".", LUMETRA_DEMO_SOURCE_DIR, today);
    {
        LumetraApp lumetra;
        lumetra.start();
        MainWindow* main = lumetra.mainWindow();
        ASSERT_NE(main, nullptr);
        auto click = [](QWidget* window, const char* name) {
            auto* button = window->findChild<QAbstractButton*>(name);
            ASSERT_NE(button, nullptr) << name;
            button->click();
        };

        test::expectWindowPicture(main, "main_window");
        click(main, "StatistikButton");
        test::expectWindowPicture(lumetra.statistics(), "statistics");
        click(main, "EinstellungenButton");
        test::expectWindowPicture(lumetra.settings(), "settings");
        click(lumetra.settings(), "locationsButton");
        test::expectWindowPicture(lumetra.locationEditor(), "location_editor");
        click(main, "ManuelleDatenerfassungButton");
        test::expectWindowPicture(lumetra.manualEntry(), "manual_entry");
        click(main, "sBitBtn4");
        test::expectWindowPicture(lumetra.datePicker(), "date_picker");
        click(main, "ImportCsvButton");
        Dialogs::setNextFileName(QStringLiteral(LUMETRA_TEST_DATA "/csv/days.csv"));
        lumetra.csvImport()->importButtonClick();
        test::expectWindowPicture(lumetra.csvImport(), "csv_import");
        click(lumetra.statistics(), "DruckButton");
        test::expectWindowPicture(lumetra.printPreview(), "print_preview");
        click(main, "TageswerteButton");
        test::expectWindowPicture(lumetra.dayCurve(), "day_curve");
        click(main, "InfoButton");
        test::expectWindowPicture(lumetra.about(), "about_box");
        EXPECT_TRUE(Dialogs::shownMessages().isEmpty());
    }
    QDir::setCurrent(previous);
    Clock::reset();
}

}  // namespace
