#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "WebSettingsDialog.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "support/TempDir.h"

namespace lumetra {
namespace {

class RecordingViewer : public WebViewerActions {
public:
    void LMDButton2Click() override { ++refreshes; }
    void setChartShowInactive(bool show) override { chartShowsInactive = show; }
    void setDateText(const std::string&) override {}
    int refreshes = 0;
    bool chartShowsInactive = true;
};

class WebSettingsDialogTest : public testing::Test {
protected:
    WebSettingsDialog& start() {
        dialog = std::make_unique<WebSettingsDialog>(dir.path(), viewer);
        dialog->FormCreate();
        return *dialog;
    }
    template <typename T>
    T* field(const char* name) {
        auto* w = dialog->findChild<T*>(name);
        EXPECT_TRUE(w) << name;
        return w;
    }
    QCheckBox* hide() { return field<QCheckBox>("sCheckBox2"); }
    QCheckBox* autoRefresh() { return field<QCheckBox>("sCheckBox3"); }
    void click(const char* name) { QTest::mouseClick(field<QPushButton>(name), Qt::LeftButton); }

    test::TempDir dir;
    RecordingViewer viewer;
    RecordingReporter errors;
    std::unique_ptr<WebSettingsDialog> dialog;
};

TEST_F(WebSettingsDialogTest, WithoutAFileKeepsTheDesignState) {
    start();
    EXPECT_EQ(dialog->objectName(), "TForm2");
    EXPECT_EQ(dialog->windowTitle(), "Lumetra-Web Einstellungen");
    EXPECT_EQ(dialog->size(), QSize(337, 129));
    EXPECT_EQ(dialog->baseUrl(), "http://127.0.0.1:8095/pvdaten");
    EXPECT_EQ(dialog->pacMaxText(), "1000");
    EXPECT_EQ(dialog->smaNumber(), "00");
    EXPECT_FALSE(hide()->isChecked());
    EXPECT_FALSE(autoRefresh()->isChecked());
    EXPECT_TRUE(viewer.chartShowsInactive);
    EXPECT_EQ(dialog->timer().interval(), 1000);
    EXPECT_TRUE(dialog->timer().isActive());
    dialog->Timer1Timer();
    EXPECT_EQ(viewer.refreshes, 0);
}

TEST_F(WebSettingsDialogTest, MissingKeysTickBothOptions) {
    dir.write("LUMWEB.INI", "[SET]\r\nTIME=5\r\n");
    start();
    EXPECT_EQ(dialog->baseUrl(), "");
    EXPECT_EQ(dialog->pacMaxText(), "1000");
    EXPECT_EQ(dialog->smaNumber(), "00");
    EXPECT_EQ(field<QSpinBox>("SpinEdit1")->value(), 5);
    EXPECT_EQ(dialog->timer().interval(), 300000);
    EXPECT_TRUE(hide()->isChecked());
    EXPECT_TRUE(autoRefresh()->isChecked());
    EXPECT_FALSE(viewer.chartShowsInactive);
    dialog->Timer1Timer();
    EXPECT_EQ(viewer.refreshes, 1);
}

TEST_F(WebSettingsDialogTest, TheHideOptionSurvivesARestart) {
    dir.write("LUMWEB.INI", "[SET]\r\nPATH=http://h/pvdaten\r\nDisplay=0\r\nAUTO=0\r\n");
    start();
    hide()->setChecked(true);
    dialog->show();
    click("sButton1");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(viewer.chartShowsInactive);
    EXPECT_EQ(dir.read("LUMWEB.INI"),
              "[SET]\r\nPATH=http://h/pvdaten\r\nDisplay=1\r\nAUTO=0\r\nPAC=1000\r\nSMA=00\r\nTIME=10\r\n");

    viewer.chartShowsInactive = true;
    start();
    EXPECT_TRUE(hide()->isChecked());
    EXPECT_FALSE(viewer.chartShowsInactive);
    hide()->setChecked(false);
    click("sButton1");
    start();
    EXPECT_FALSE(hide()->isChecked());
    EXPECT_TRUE(viewer.chartShowsInactive);
}

TEST_F(WebSettingsDialogTest, OnlyAChangedPeriodRestartsTheCount) {
    dir.write("LUMWEB.INI", "[SET]\r\nTIME=10\r\nAUTO=1\r\n");
    start();
    auto* spin = field<QSpinBox>("SpinEdit1");
    QTest::qWait(30);
    click("sButton1");
    EXPECT_LT(dialog->timer().remainingTime(), 600000);  // unchanged: still counting
    spin->setValue(1);
    click("sButton1");
    EXPECT_EQ(dialog->timer().interval(), 60000);
    EXPECT_GT(dialog->timer().remainingTime(), 59000);
}

TEST_F(WebSettingsDialogTest, ThePeriodIsPulledIntoRangeWhenLeft) {
    start();
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    auto* spin = field<QSpinBox>("SpinEdit1");
    auto* other = field<QLineEdit>("LMDEdit2");
    for (auto [typed, shown] : {std::pair{"45", "30"}, std::pair{"0", "1"}, std::pair{"7", "7"}}) {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, typed);
        EXPECT_EQ(spin->text(), typed);
        other->setFocus();
        EXPECT_EQ(spin->text(), shown) << typed;
    }
}

TEST_F(WebSettingsDialogTest, AbbruchKeepsTheEditForNowButNotTheFile) {
    dir.write("LUMWEB.INI", "[SET]\r\nPATH=http://alt/pvdaten\r\n");
    start();
    auto* url = field<QLineEdit>("LMDEdit1");
    url->setText("http://neu/pvdaten");
    dialog->show();
    click("sButton2");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->baseUrl(), "http://neu/pvdaten");
    start();
    EXPECT_EQ(dialog->baseUrl(), "http://alt/pvdaten");
}

TEST_F(WebSettingsDialogTest, AFileThatCannotBeWrittenKeepsTheDialogOpen) {
    dir.mkdir("LUMWEB.INI");  // a directory where the file should be
    start();
    hide()->setChecked(true);
    dialog->show();
    click("sButton1");
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0], "nach " + pathText(dialog->iniPath()) + " kann nicht geschrieben werden.");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(viewer.chartShowsInactive);
    EXPECT_EQ(dialog->timer().interval(), 1000);
}

}  // namespace
}  // namespace lumetra
