#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

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
#include "support/AppWorkingDir.h"
#include "support/QtApp.h"
#include "support/TempDir.h"
#include "ui/Dialogs.h"

using namespace lumetra;

namespace {

class LumetraAppTest : public ::testing::Test {
protected:
    void SetUp() override { dir.mkdir("DATA"); }

    test::TempDir dir;
    test::AppWorkingDir enter{dir};
};

TEST_F(LumetraAppTest, StartsWithTheFirstEvaluationOfTheYieldFile) {
    // Found whatever the letter case of its name.
    dir.write("DATA/daten.dat", "20240502;02.05.2024;10,5\r\n20240520;20.05.2024;4\r\n");
    LumetraApp lumetra;
    lumetra.start();
    ASSERT_NE(lumetra.mainWindow(), nullptr);
    ASSERT_NE(lumetra.statistics(), nullptr);
    EXPECT_EQ(QApplication::applicationName(), "Lumetra - Lumetrascope");
    EXPECT_TRUE(lumetra.mainWindow()->isVisible());
    EXPECT_FALSE(lumetra.statistics()->isVisible());
    EXPECT_EQ(lumetra.context().yields.count(), 2);
    EXPECT_EQ(lumetra.context().dirs.data, dir.path() + "/DATA");
    EXPECT_EQ(lumetra.statistics()->figureText(Figure::MonthEnergy), "   14.50 kWh");
    EXPECT_EQ(lumetra.statistics()->figureText(Figure::SelectedDayEnergy), "    4.00 kWh");
    EXPECT_EQ(lumetra.mainWindow()->chart()->Items(1).Value(),
              static_cast<int>(150.0 / (0.00833 * 1000 / 31) * 10.5));
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());

    lumetra.statistics()->findChild<QPushButton*>("DruckButton")->click();
    ASSERT_NE(lumetra.printPreview(), nullptr);
    EXPECT_TRUE(lumetra.printPreview()->isVisible());
    EXPECT_GT(lumetra.printPreview()->pageCount(), 0);
    // The month's figures reach the report as the window shows them.
    const auto& lines = lumetra.printPreview()->document().lines;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find("   14.50 kWh") != std::string::npos;
    }));
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());

    lumetra.mainWindow()->findChild<QPushButton*>("InfoButton")->click();
    EXPECT_TRUE(lumetra.about()->isVisible());
}

TEST_F(LumetraAppTest, WithoutYieldFileEveryFigureIsZero) {
    LumetraApp lumetra;
    lumetra.start();
    EXPECT_EQ(lumetra.context().yields.count(), 0);
    EXPECT_EQ(lumetra.statistics()->figureText(Figure::MonthEnergy), "    0.00 kWh");
    EXPECT_EQ(lumetra.statistics()->figureText(Figure::TotalMoney), "      0.00 Euro");
    EXPECT_EQ(lumetra.statistics()->figureText(Figure::TotalCo2), "    0.00 kg");
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());
}

TEST_F(LumetraAppTest, BadFirstEvaluationIsShownAndStartUpGoesOn) {
    dir.write("DATA/DATEN.DAT", "20240502;2.5.2024;10,5\r\n");
    LumetraApp lumetra;
    lumetra.start();
    ASSERT_EQ(Dialogs::shownMessages().size(), 1);
    const ShownMessage& shown = Dialogs::shownMessages().front();
    EXPECT_EQ(shown.caption, "Lumetra - Lumetrascope");
    EXPECT_EQ(shown.text, QString::fromUtf8("'2.' ist kein gültiger Integerwert."));
    EXPECT_EQ(shown.icon, ShownMessage::Icon::Error);
    ASSERT_NE(lumetra.statistics(), nullptr);
    EXPECT_TRUE(lumetra.mainWindow()->isVisible());
    EXPECT_EQ(lumetra.statistics()->figureText(Figure::MonthEnergy), "0 kWh");
    EXPECT_TRUE(lumetra.mainWindow()->findChild<QPushButton*>("StatistikButton")->isEnabled());
}

TEST_F(LumetraAppTest, EveryWindowIsCreatedOnceAndOpenedByItsButton) {
    LumetraApp lumetra;
    lumetra.start();
    MainWindow* main = lumetra.mainWindow();
    EXPECT_EQ(lumetra.context().settings, static_cast<SettingsFields*>(lumetra.settings()));
    EXPECT_NE(lumetra.locationEditor(), nullptr);
    EXPECT_NE(lumetra.dayCurve(), nullptr);
    struct Case {
        const char* button;
        QWidget* window;
    };
    const Case cases[] = {
        {"EinstellungenButton", lumetra.settings()},
        {"ManuelleDatenerfassungButton", lumetra.manualEntry()},
        {"ImportCsvButton", lumetra.csvImport()},
        {"StatistikButton", lumetra.statistics()},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.window, nullptr) << c.button;
        EXPECT_FALSE(c.window->isVisible()) << c.button;
        main->findChild<QPushButton*>(c.button)->click();
        EXPECT_TRUE(c.window->isVisible()) << c.button;
        EXPECT_TRUE(main->isVisible());
    }
    main->findChild<QToolButton*>("sBitBtn4")->click();
    EXPECT_TRUE(lumetra.datePicker()->isVisible());
    EXPECT_EQ(lumetra.context().datePickerPurpose, "Tagesdatum");
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());
}

TEST_F(LumetraAppTest, AFailedBackupOnCloseIsShownOnceAndKeepsTheProgramOpen) {
    dir.write("DATA/DATEN.DAT", "20240502;02.05.2024;10,5\r\n");
    LumetraApp lumetra;
    lumetra.start();
    lumetra.context().autoBackup = true;
    dir.mkdir("sicherung/DATEN.DAT");  // a folder where the copy should go
    lumetra.context().dirs.backup = dir.file("sicherung");
    EXPECT_FALSE(lumetra.mainWindow()->close());
    ASSERT_EQ(Dialogs::shownMessages().size(), 1);
    EXPECT_EQ(Dialogs::shownMessages().front().caption, "Lumetra - Lumetrascope");
    EXPECT_TRUE(lumetra.mainWindow()->isVisible());

    lumetra.context().autoBackup = false;
    EXPECT_TRUE(lumetra.mainWindow()->close());
    EXPECT_EQ(Dialogs::shownMessages().size(), 1);
}

}  // namespace
