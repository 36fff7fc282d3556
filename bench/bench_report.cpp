// The statistics report of a 31-day month, as "Druck" builds it.
#include <benchmark/benchmark.h>

#include "reporting/BuildReport.h"

using namespace lumetra;

namespace {

void BM_BuildReport31Days(benchmark::State& state) {
    ReportInput input;
    for (const std::string& name : reportLabelNames()) input.labels[name] = "   14.50 kWh";
    input.monthName = "Juli";
    input.year = "2024";
    input.dayCount = 31;
    for (int day = 1; day <= 31; ++day) input.dayValueTexts[day] = std::to_string(day + 10) + ",25";
    input.price = "0,4675";
    input.co2 = "0,662";
    ReportDocument document;
    for (auto _ : state) {
        BuildReport(input, document);
        benchmark::DoNotOptimize(document.lines.data());
    }
}

}  // namespace

BENCHMARK(BM_BuildReport31Days)->Unit(benchmark::kMicrosecond);
