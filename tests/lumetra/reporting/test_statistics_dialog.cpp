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

    struct Case {
        Figure figure;
        int rightEdge, top;
        const char* start;
    };
    const Case cases[] = {
        {Figure::Label11, 304, 32, "0 kWh"},  {Figure::Label5, 304, 64, "0 kWh"},
        {Figure::Label6, 304, 80, "0 kWh"},   {Figure::Label4, 304, 104, "0 kWh"},
        {Figure::Label29, 640, 104, "0 kWh"}, {Figure::Label12, 304, 120, "0 kWh"},
        {Figure::Label43, 640, 120, "0 kWh"}, {Figure::Label13, 304, 136, "0 kWh"},
        {Figure::Label45, 640, 136, "0 kWh"}, {Figure::Label20, 304, 160, "0 kWh"},
        {Figure::Label21, 640, 160, "0 kWh"}, {Figure::Label17, 304, 176, "0 kWh"},
        {Figure::Label18, 304, 192, "0 kWh"}, {Figure::Label25, 304, 224, "0 Euro"},
        {Figure::Label34, 640, 224, "0 kg"},  {Figure::Label24, 304, 240, "0 Euro"},
        {Figure::Label40, 640, 240, "0 kg"},  {Figure::Label27, 304, 256, "0 Euro"},
        {Figure::Label41, 640, 256, "0 kg"},
    };
    for (const auto& c : cases) {
        QLabel* label = dialog.findChild<QLabel*>(figureLabelName(c.figure));
        ASSERT_NE(label, nullptr) << figureLabelName(c.figure);
        EXPECT_EQ(label, dialog.valueLabel(c.figure));
        EXPECT_EQ(label->geometry().right() + 1, c.rightEdge) << figureLabelName(c.figure);
        EXPECT_EQ(label->y(), c.top) << figureLabelName(c.figure);
        EXPECT_EQ(label->text(), c.start);
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }
    EXPECT_EQ(dialog.findChild<QLabel*>("Label22")->text(), "am:");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label22")->pos(), QPoint(312, 32));
}

TEST(StatisticsDialog, FiguresAndButtons) {
    test::qtApp();
    StatisticsDialog dialog;
    dialog.setFigure(Figure::Label25, "     12.50 Euro");
    EXPECT_EQ(dialog.valueLabel(Figure::Label25)->text(), "     12.50 Euro");
    EXPECT_EQ(dialog.figureText(Figure::Label25), "     12.50 Euro");

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
