#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "base/Cp1252.h"
#include "reporting/StatisticsDialog.h"
#include "support/QtApp.h"

using namespace lumetra;

namespace {

TEST(StatisticsDialog, ValueLabelsStartCaptionsAndPlaces) {
    test::qtApp();
    StatisticsDialog dialog;
    EXPECT_EQ(dialog.objectName(), "TForm8");
    EXPECT_EQ(dialog.windowTitle(), "Lumetra - Statistik");
    EXPECT_EQ(dialog.size(), QSize(655, 324));
    EXPECT_FALSE(dialog.isModal());

    // The report reads the figures by these label names: a wrong pair puts a figure
    // on another's report line.
    struct Case {
        Figure figure;
        const char* name;
        int rightEdge, top;
        const char* start;
    };
    const Case cases[] = {
        {Figure::SelectedDayEnergy, "Label11", 304, 32, "0 kWh"},
        {Figure::DayEnergyAverage, "Label5", 304, 64, "0 kWh"},
        {Figure::DayEnergyForecast, "Label6", 304, 80, "0 kWh"},
        {Figure::MonthEnergy, "Label4", 304, 104, "0 kWh"},
        {Figure::MonthEnergyPerKwp, "Label29", 640, 104, "0 kWh"},
        {Figure::MonthEnergyAverage, "Label12", 304, 120, "0 kWh"},
        {Figure::MonthEnergyAveragePerKwp, "Label43", 640, 120, "0 kWh"},
        {Figure::MonthEnergyForecast, "Label13", 304, 136, "0 kWh"},
        {Figure::MonthEnergyForecastPerKwp, "Label45", 640, 136, "0 kWh"},
        {Figure::YearEnergy, "Label20", 304, 160, "0 kWh"},
        {Figure::YearEnergyPerKwp, "Label21", 640, 160, "0 kWh"},
        {Figure::YearEnergyAverage, "Label17", 304, 176, "0 kWh"},
        {Figure::YearEnergyForecast, "Label18", 304, 192, "0 kWh"},
        {Figure::MonthMoney, "Label25", 304, 224, "0 Euro"},
        {Figure::MonthCo2, "Label34", 640, 224, "0 kg"},
        {Figure::YearMoney, "Label24", 304, 240, "0 Euro"},
        {Figure::YearCo2, "Label40", 640, 240, "0 kg"},
        {Figure::TotalMoney, "Label27", 304, 256, "0 Euro"},
        {Figure::TotalCo2, "Label41", 640, 256, "0 kg"},
    };
    for (const auto& c : cases) {
        QLabel* label = dialog.findChild<QLabel*>(c.name);
        ASSERT_NE(label, nullptr) << c.name;
        EXPECT_EQ(label, dialog.valueLabel(c.figure)) << c.name;
        EXPECT_EQ(label->geometry().right() + 1, c.rightEdge) << c.name;
        EXPECT_EQ(label->y(), c.top) << c.name;
        EXPECT_EQ(label->text(), c.start) << c.name;
        EXPECT_TRUE(label->alignment() & Qt::AlignRight) << c.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue)) << c.name;
    }
    EXPECT_EQ(dialog.valueLabel(Figure::SelectedDate), dialog.findChild<QLabel*>("Label22"));
    EXPECT_EQ(dialog.findChild<QLabel*>("Label22")->text(), "am:");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label22")->pos(), QPoint(312, 32));
}

TEST(StatisticsDialog, FiguresAndButtons) {
    test::qtApp();
    StatisticsDialog dialog;
    dialog.setFigure(Figure::MonthMoney, "     12.50 Euro");
    EXPECT_EQ(dialog.valueLabel(Figure::MonthMoney)->text(), "     12.50 Euro");
    EXPECT_EQ(dialog.figureText(Figure::MonthMoney), "     12.50 Euro");

    int printed = 0;
    dialog.setPrintHandler([&] { ++printed; });
    dialog.show();
    dialog.findChild<QPushButton*>("DruckButton")->click();
    EXPECT_EQ(printed, 1);
    EXPECT_TRUE(dialog.isVisible());
    dialog.findChild<QPushButton*>("OkButton")->click();
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
