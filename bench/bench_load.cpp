// The desktop program on 100,000 daily yields (about 274 years up to yesterday), driven
// through its main window's buttons as a user drives it: start-up, a month step, a year step
// in the year view, and closing with the backup of the data directory.
#include <benchmark/benchmark.h>

#include <QDate>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>
#include <string>

#include "base/Clock.h"
#include "chart/TLedBitmapButton.h"
#include "mainwindow/LumetraApp.h"
#include "mainwindow/MainWindow.h"
#include "ui/Dialogs.h"

using namespace lumetra;

namespace {

constexpr int kLines = 100000;

std::string yieldFile() {
    std::string bytes;
    bytes.reserve(kLines * 26);
    QDate day = QDate(2024, 5, 19).addDays(1 - kLines);
    char line[128];
    for (int i = 0; i < kLines; ++i, day = day.addDays(1)) {
        const long long cents = i * 7919LL % 5000;
        std::snprintf(line, sizeof line, "%04d%02d%02d;%02d.%02d.%04d;%lld,%02lld\r\n", day.year(),
                      day.month(), day.day(), day.day(), day.month(), day.year(), cents / 100, cents % 100);
        bytes += line;
    }
    return bytes;
}

// A working directory holding DATA/DATEN.DAT, current while it lives. A message box would
// mean a failure; the dialogs' test mode records it instead of blocking the run.
class Plant {
public:
    Plant() : previous_(QDir::currentPath()) {
        Clock::setToday({2024, 5, 20});
        Dialogs::setTestMode(true);
        QDir(dir_.path()).mkpath("DATA");
        QFile file(dir_.filePath("DATA/DATEN.DAT"));
        static const std::string bytes = yieldFile();
        ok_ =
            file.open(QIODevice::WriteOnly) &&
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
        QDir::setCurrent(dir_.path());
    }
    ~Plant() {
        QDir::setCurrent(previous_);
        Clock::reset();
    }
    // False, with the benchmark marked failed, when the plant or a run went wrong.
    bool ok(benchmark::State& state) const {
        if (!ok_)
            state.SkipWithError("DATEN.DAT could not be written");
        else if (!Dialogs::shownMessages().isEmpty())
            state.SkipWithError(Dialogs::shownMessages().first().text.toStdString().c_str());
        return ok_ && Dialogs::shownMessages().isEmpty();
    }

private:
    QTemporaryDir dir_;
    QString previous_;
    bool ok_ = false;
};

void click(MainWindow* main, const char* name) {
    if (auto* control = main->findChild<QWidget*>(name))
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void BM_Load100kStartUp(benchmark::State& state) {
    Plant plant;
    for (auto _ : state) {
        auto lumetra = std::make_unique<LumetraApp>();
        lumetra->start();
        state.PauseTiming();  // tearing the windows down is no part of it
        lumetra.reset();
        state.ResumeTiming();
    }
    plant.ok(state);
}

// Steps forward and back in turn, so every step evaluates a month with yields.
void stepping(benchmark::State& state, const char* view, const char* forward, const char* back) {
    Plant plant;
    LumetraApp lumetra;
    lumetra.start();
    MainWindow* main = lumetra.mainWindow();
    if (!main || !plant.ok(state)) return;
    click(main, view);
    bool ahead = false;
    for (auto _ : state) {
        click(main, ahead ? back : forward);
        ahead = !ahead;
    }
    plant.ok(state);
}

void BM_Load100kMonthStep(benchmark::State& state) {
    stepping(state, "MonatButton", "LedBitmapButton1", "LedBitmapButton9");
}

void BM_Load100kYearViewStep(benchmark::State& state) {
    stepping(state, "JahrButton", "LedBitmapButton3", "LedBitmapButton2");
}

void BM_Load100kCloseWithBackup(benchmark::State& state) {
    Plant plant;
    LumetraApp lumetra;
    lumetra.start();
    MainWindow* main = lumetra.mainWindow();
    if (!main || !plant.ok(state)) return;
    for (auto _ : state) {
        state.PauseTiming();
        main->show();
        state.ResumeTiming();
        click(main, "ProgrammendeButton");
    }
    plant.ok(state);
}

}  // namespace

BENCHMARK(BM_Load100kStartUp)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Load100kMonthStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load100kYearViewStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load100kCloseWithBackup)->Unit(benchmark::kMillisecond)->Iterations(10);
