// Reading one full day file: five header lines and 144 ten-minute lines.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdio>
#include <fstream>

#include "dayfile/LoadDayCurve.h"

using namespace lumetra;

namespace {

std::string dayFile() {
    std::string text =
        "Sunny Logger Export;Version 1.2\r\nAnlage;Demo\r\nGeraet;WR 5000;SN 0000000\r\n"
        "Kanaele;E-Total;Pac;Upv\r\nTimeStamp;E-Total;Pac;Upv;Iac\r\n";
    char line[128];
    for (int i = 0; i < DayColumns; ++i) {
        std::snprintf(line, sizeof line, "15.07.2008 %02d:%02d:00;%.3f;%.3f;380.4;0.09\r\n", i / 6,
                      i % 6 * 10, 12345.0 + i * 0.4, 4800.0 * (i % 72) / 72.0);
        text += line;
    }
    return text;
}

void BM_LoadDayCurve(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/08071500.suo";
    std::ofstream(path, std::ios::binary) << dayFile();
    const std::optional<std::string> filter = "15.07.2008";
    DayCurveResult day;
    for (auto _ : state) {
        LoadDayCurve(path, filter, 5000.0, day);
        benchmark::DoNotOptimize(day.curve.data());
    }
    if (day.lines.count() != 149) state.SkipWithError("day file not read whole");
}

}  // namespace

BENCHMARK(BM_LoadDayCurve)->Unit(benchmark::kMicrosecond);
