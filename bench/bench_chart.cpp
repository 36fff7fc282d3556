// The charts as the windows set them up, shown offscreen so every paint reaches the
// backing store as it would on a screen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "chart/TLedSpectrum.h"

using namespace lumetra;

namespace {

struct ShownChart {
    QWidget window;
    TLedSpectrum* chart = new TLedSpectrum(&window);

    ShownChart(int width, int height, QRect place) {
        window.setFixedSize(width, height);
        chart->setGeometry(place);
        applyBlackBevel(*chart);
        window.show();
        QApplication::processEvents();
    }
};

// The main window's month view: 31 columns of 20 pixels, values up to 299.
void BM_MonthChartFullPaint(benchmark::State& state) {
    ShownChart shown(689, 450, QRect(16, 47, 660, 299));
    TLedSpectrum& chart = *shown.chart;
    chart.setMarkerVisible(false);
    chart.setMaxValue(299);
    chart.setBarWidth(20);
    chart.setColumns(31);
    for (int i = 0; i < 31; ++i) chart.Items(i).setValue(i * 97 % 300);
    for (auto _ : state) {
        chart.fullPaint();
        chart.repaint();
    }
}

// The day curve window: 144 columns of 2 pixels, each set in turn as a day file is shown.
void BM_DayChart144Updates(benchmark::State& state) {
    ShownChart shown(465, 300, QRect(12, 12, 441, 225));
    TLedSpectrum& chart = *shown.chart;
    chart.setColumns(144);
    chart.setBarWidth(2);
    chart.setMaxValue(100);
    chart.setMarkerVisible(true);
    chart.fullPaint();
    int round = 0;
    for (auto _ : state) {
        // Alternate two curves so every column changes.
        const int shift = ++round % 2 ? 0 : 37;
        for (int i = 0; i < 144; ++i) chart.Items(i).setValue((i * 7 + shift) % 101);
    }
}

}  // namespace

BENCHMARK(BM_MonthChartFullPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayChart144Updates)->Unit(benchmark::kMillisecond);
