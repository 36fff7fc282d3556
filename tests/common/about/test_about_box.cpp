#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "about/AboutBox.h"
#include "support/QtApp.h"

using namespace lumetra;

namespace {

TEST(AboutBox, CarriesTheProgramNameAndHidesOnOk) {
    test::qtApp();
    for (const char* name : {"Lumetra+", "Lumetra-Web"}) {
        AboutBox box(name);
        EXPECT_EQ(box.objectName(), "TForm4");
        EXPECT_EQ(box.windowTitle(), "Info...");
        EXPECT_EQ(box.size(), QSize(212, 233));
        EXPECT_FALSE(box.isModal());
        EXPECT_EQ(box.findChild<QLabel*>("Label1")->text(), name);
        EXPECT_EQ(box.findChild<QLabel*>("Label2")->text(), "by");
        EXPECT_EQ(box.findChild<QLabel*>("Image1")->pixmap().size(), QSize(192, 184));
        box.show();
        box.findChild<QPushButton*>("OkButton")->click();
        EXPECT_FALSE(box.isVisible());
    }
}

}  // namespace
