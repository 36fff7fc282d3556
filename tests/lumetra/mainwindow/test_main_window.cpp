#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Errors.h"
#include "mainwindow/MainWindow.h"
#include "reporting/StatisticsDialog.h"
#include "support/QtApp.h"
#include "ui/Dialogs.h"

using namespace lumetra;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::qtApp();
        Dialogs::setTestMode(true);
        Clock::setToday({2024, 5, 20});
        window = std::make_unique<MainWindow>(context);
        statistics = new StatisticsDialog(window.get());
        window->setStatisticsDialog(statistics);
        window->MonatClick();
    }
    void TearDown() override {
        window.reset();
        Clock::reset();
    }

    template <typename T = QLabel>
    T* find(const char* name) const {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) const { return find(name)->text(); }
    int top(const char* name) const { return find<QWidget>(name)->y(); }
    void click(const char* name) { find<QPushButton>(name)->click(); }
    void add(const std::string& date, const std::string& energy) {
        context.yields.appendLine(date.substr(6, 4) + date.substr(3, 2) + date.substr(0, 2) + ";" + date +
                                  ";" + energy);
    }
    // Marks a figure so that a following evaluation shows itself by rewriting it.
    void markFigures() { statistics->setFigure(Figure::YearEnergyAverage, "-"); }
    bool evaluated() const { return statistics->figureText(Figure::YearEnergyAverage) != "-"; }

    RecordingReporter reporter;
    AppContext context;
    std::unique_ptr<MainWindow> window;
    StatisticsDialog* statistics = nullptr;
};

TEST_F(MainWindowTest, StartsOnTodaysMonthWithTheLineAt1000PerKwp) {
    EXPECT_EQ(window->objectName(), "TForm1");
    EXPECT_EQ(window->windowTitle(), "Lumetra +");
    EXPECT_EQ(window->size(), QSize(689, 450));
    EXPECT_EQ(text("Label1"), "20.05.2024");
    EXPECT_EQ(context.evaluation.selectedDateText, "20.05.2024");
    EXPECT_EQ(text("Label14"), "Mai");
    EXPECT_EQ(text("Label21"), "2024");
    EXPECT_EQ(top("Panel2"), 315 - 150);
    for (int p = 3; p <= 14; ++p) EXPECT_EQ(top(qPrintable(QString("Panel%1").arg(p))), 1000);
    EXPECT_EQ(window->chart()->Columns(), 31);
    EXPECT_EQ(window->chart()->BarWidth(), 20);
    EXPECT_TRUE(find<QPushButton>("StatistikButton")->isEnabled());
    EXPECT_TRUE(find("Label15")->isVisibleTo(window.get()));
    EXPECT_TRUE(find("Label28")->isVisibleTo(window.get()));
    EXPECT_FALSE(find("Label2")->isVisibleTo(window.get()));
    EXPECT_EQ(context.dirs.data, context.dirs.working / "DATA");
    EXPECT_EQ(context.main, window.get());
    EXPECT_TRUE(reporter.errors.empty());
}

TEST_F(MainWindowTest, NavigationClampsAndEvaluatesEveryTime) {
    struct Case {
        int month, year;
        void (MainWindow::*action)();
        int wantMonth, wantYear;
        const char* caption;
    };
    const Case cases[] = {
        {1, 2024, &MainWindow::LedBitmapButton9Click, 1, 2024, "Januar"},
        {3, 2024, &MainWindow::LedBitmapButton9Click, 2, 2024, "Februar"},
        {12, 2024, &MainWindow::LedBitmapButton1Click, 12, 2024, "Dezember"},
        {2, 2024, &MainWindow::LedBitmapButton1Click, 3, 2024, "März"},
        {5, 1970, &MainWindow::LedBitmapButton2Click, 5, 1970, "Mai"},
        {5, 1971, &MainWindow::LedBitmapButton2Click, 5, 1970, "Mai"},
        {5, 2100, &MainWindow::LedBitmapButton3Click, 5, 2100, "Mai"},
        {5, 2099, &MainWindow::LedBitmapButton3Click, 5, 2100, "Mai"},
    };
    for (const auto& c : cases) {
        context.evaluation.selectedMonth = static_cast<std::uint16_t>(c.month);
        context.evaluation.selectedYear = static_cast<std::uint16_t>(c.year);
        markFigures();
        (window.get()->*c.action)();
        EXPECT_EQ(context.evaluation.selectedMonth, c.wantMonth);
        EXPECT_EQ(context.evaluation.selectedYear, c.wantYear);
        EXPECT_TRUE(evaluated());
        EXPECT_EQ(text("Label14"), fromCp1252(cp1252FromUtf8(c.caption)));
        EXPECT_EQ(text("Label21"), QString::number(c.wantYear));
    }
    // February 2024 has 29 columns; the chart follows.
    context.evaluation.selectedMonth = 3;
    context.evaluation.selectedYear = 2024;
    window->LedBitmapButton9Click();
    EXPECT_EQ(window->chart()->Columns(), 29);
}

TEST_F(MainWindowTest, ArrowButtonsAreWired) {
    emit find<TLedBitmapButton>("LedBitmapButton9")->clicked();
    EXPECT_EQ(context.evaluation.selectedMonth, 4);
    emit find<TLedBitmapButton>("LedBitmapButton3")->clicked();
    EXPECT_EQ(context.evaluation.selectedYear, 2025);
}

TEST_F(MainWindowTest, YearViewAndBackToTodaysMonth) {
    statistics->show();
    click("JahrButton");
    EXPECT_EQ(context.evaluation.viewMode, ViewMode::Jahr);
    EXPECT_EQ(window->chart()->Columns(), 12);
    EXPECT_EQ(window->chart()->BarWidth(), 53);
    EXPECT_FALSE(find<QPushButton>("StatistikButton")->isEnabled());
    EXPECT_FALSE(statistics->isVisible());
    EXPECT_FALSE(find("Label15")->isVisibleTo(window.get()));
    EXPECT_FALSE(find("Label28")->isVisibleTo(window.get()));
    EXPECT_TRUE(find("Label2")->isVisibleTo(window.get()));
    EXPECT_EQ(top("Panel2"), 1000);
    // 0.833 % of 1000 kWh/kWp: 8 units above the baseline.
    EXPECT_EQ(top("Panel3"), 315 - 8);

    // Month arrows do nothing here; year arrows move the year view.
    markFigures();
    window->LedBitmapButton9Click();
    window->LedBitmapButton1Click();
    EXPECT_FALSE(evaluated());
    EXPECT_EQ(context.evaluation.selectedMonth, 5);
    window->LedBitmapButton2Click();
    window->LedBitmapButton2Click();
    EXPECT_TRUE(evaluated());
    EXPECT_EQ(text("Label21"), "2022");
    EXPECT_EQ(window->chart()->Columns(), 12);

    Clock::setToday({2024, 7, 1});
    click("MonatButton");
    EXPECT_EQ(context.evaluation.selectedMonth, 7);
    EXPECT_EQ(context.evaluation.selectedYear, 2024);
    EXPECT_EQ(window->chart()->Columns(), 31);
    EXPECT_EQ(window->chart()->BarWidth(), 20);
    EXPECT_TRUE(find<QPushButton>("StatistikButton")->isEnabled());
    EXPECT_EQ(top("Panel3"), 1000);
    EXPECT_EQ(top("Panel2"), 165);
}

TEST_F(MainWindowTest, ReferenceButtons) {
    context.evaluation.forecastYield = 900;
    context.evaluation.averageYield = 1000;
    struct Case {
        const char* button;
        const char* caption;
        QColor colour;
        int lineTop;
    };
    const Case cases[] = {
        {"sBitBtn2", "Prognostizierte Tageswerte kWh/kWp", QColor(0, 128, 0), 315 - 135},
        {"sBitBtn3", "Durchschntttliche Tageswerte kWh/kWp lt. Durchschnittstabelle", QColor(255, 255, 0),
         315 - 150},
        {"sBitBtn1", "Tageswerte bei 1000 kWh/kWp lt. Durchschnittstabelle", QColor(255, 0, 0), 315 - 150},
    };
    for (const auto& c : cases) {
        markFigures();
        find<QToolButton>(c.button)->click();
        EXPECT_TRUE(evaluated());
        EXPECT_EQ(text("Label22"), c.caption);
        EXPECT_EQ(find("Label22")->palette().color(QPalette::WindowText), c.colour);
        EXPECT_EQ(find<QWidget>("Panel2")->palette().color(QPalette::Window), c.colour) << c.button;
        EXPECT_GE(top("Panel2"), c.lineTop);
        EXPECT_LE(top("Panel2"), c.lineTop + 1);  // a quotient just below a whole number
        for (const char* other : {"sBitBtn1", "sBitBtn2", "sBitBtn3"})
            EXPECT_EQ(find<QToolButton>(other)->isChecked(), std::string(other) == c.button);
    }
    // The reference survives a view change; a settings message stays until a button is pressed.
    find<QToolButton>("sBitBtn2")->click();
    click("JahrButton");
    click("MonatButton");
    EXPECT_EQ(context.evaluation.referenceMode, ReferenceMode::Prognose);
    window->setReferenceCaption("Backupverzeichnis kann nicht erstellt werden");
    click("MonatButton");
    EXPECT_EQ(text("Label22"), "Backupverzeichnis kann nicht erstellt werden");
}

TEST_F(MainWindowTest, DayValueUnderThePointer) {
    add("05.04.2024", "3,5");
    add("30.04.2024", "12,25");
    window->LedBitmapButton9Click();  // April: 30 days
    struct Case {
        int x;
        const char* text;
    };
    const Case cases[] = {
        {0, "0,00 kWh"},
        {4 + 21 * 4, "3,5 kWh"},
        {24 + 21 * 4, "3,5 kWh"},
        {25 + 21 * 4, "0,00 kWh"},
        {4 + 21 * 29, "12,25 kWh"},
        {4 + 21 * 30 + 3, "0,00 kWh"},  // right of the month's last bar
        {659, "0,00 kWh"},              // beyond the 31st column
        {-40, "0,00 kWh"},
    };
    for (const auto& c : cases) {
        window->LedSpectrum1MouseMove(c.x);
        EXPECT_EQ(text("Label15"), c.text) << c.x;
    }
    emit window->chart()->pointerMoved(4 + 21 * 4, 100);
    EXPECT_EQ(text("Label15"), "3,5 kWh");

    click("JahrButton");
    window->LedSpectrum1MouseMove(0);
    EXPECT_EQ(text("Label15"), "3,5 kWh");
}

TEST_F(MainWindowTest, BadLineIsReportedAndTheWindowGoesOn) {
    add("01.05.2024", "2");
    context.yields.appendLine("20240502;02.05.2024;viel");
    add("03.05.2024", "2");
    click("MonatButton");
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], cp1252FromUtf8("'viel' ist kein gültiger Gleitkommawert."));
    EXPECT_GT(window->chart()->Items(0).Value(), 0);
    EXPECT_EQ(window->chart()->Items(2).Value(), 0);
    EXPECT_TRUE(find<QPushButton>("StatistikButton")->isEnabled());

    click("JahrButton");
    EXPECT_EQ(reporter.errors.size(), 2u);
    EXPECT_FALSE(find<QPushButton>("StatistikButton")->isEnabled());

    context.yields.remove(1);
    click("MonatButton");
    EXPECT_EQ(reporter.errors.size(), 2u);
    EXPECT_EQ(statistics->figureText(Figure::MonthEnergy), "    4.00 kWh");
}

TEST_F(MainWindowTest, OpeningOtherWindows) {
    int picker = 0, settings = 0, dayValues = 0, entry = 0, import = 0;
    QObject::connect(window.get(), &MainWindow::datePickerRequested, [&] { ++picker; });
    QObject::connect(window.get(), &MainWindow::settingsRequested, [&] { ++settings; });
    QObject::connect(window.get(), &MainWindow::dayValuesRequested, [&] { ++dayValues; });
    QObject::connect(window.get(), &MainWindow::manualEntryRequested, [&] { ++entry; });
    QObject::connect(window.get(), &MainWindow::csvImportRequested, [&] { ++import; });
    find<QToolButton>("sBitBtn4")->click();
    click("EinstellungenButton");
    click("TageswerteButton");
    click("ManuelleDatenerfassungButton");
    click("ImportCsvButton");
    EXPECT_EQ(picker + settings + dayValues + entry + import, 5);
    EXPECT_EQ(picker * settings * dayValues * entry * import, 1);
    EXPECT_EQ(context.datePickerPurpose, "Tagesdatum");

    click("StatistikButton");
    EXPECT_TRUE(statistics->isVisible());
    EXPECT_FALSE(window->isVisible());  // modeless: the main window is not involved
    statistics->findChild<QPushButton*>("OkButton")->click();
    EXPECT_FALSE(statistics->isVisible());
}

TEST_F(MainWindowTest, PickedDateInAnotherMonthShowsItsYield) {
    add("24.12.2023", "7,5");
    window->setSelectedDateText("24.12.2023");
    window->WeiterBerechnung();
    EXPECT_EQ(text("Label1"), "24.12.2023");
    EXPECT_EQ(text("Label14"), "Mai");
    EXPECT_EQ(statistics->figureText(Figure::SelectedDayEnergy), "    7.50 kWh");
    EXPECT_EQ(statistics->figureText(Figure::SelectedDate), "am: 24.12.2023");
}

TEST_F(MainWindowTest, CloseRunsTheHandlerAndStaysOpenWhenItFails) {
    int closed = 0;
    QObject::connect(window.get(), &MainWindow::closed, [&] { ++closed; });
    window->show();
    window->setCloseHandler([]() -> bool { throw LumetraError("Datei x kann nicht erstellt werden"); });
    click("ProgrammendeButton");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(reporter.errors.size(), 1u);
    window->setCloseHandler([] { return false; });
    click("ProgrammendeButton");
    EXPECT_TRUE(window->isVisible());
    window->setCloseHandler([] { return true; });
    click("ProgrammendeButton");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closed, 1);
}

}  // namespace
