// One evaluation over a long DATEN.DAT: goal well under 20 ms for 100,000 lines.
#include "base/Clock.h"
#include "evaluation/Evaluation.h"

#include <benchmark/benchmark.h>

using namespace lumetra;

namespace {

class NullSink : public EvaluationSink {
public:
    void setMonthCaption(const std::string&) override {}
    void setYearCaption(const std::string&) override {}
    void setColumns(int) override {}
    void setBar(int, int value) override { benchmark::DoNotOptimize(value); }
    void setReferenceLine(int, Rgb) override {}
    void hideReferenceLine() override {}
    void setMonthMark(int, int) override {}
    void setFigure(Figure, const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
};

void fill(AppContext& context, int lines) {
    Date date{1800, 1, 1};
    for (int i = 0; i < lines; ++i) {
        context.yields.appendLine(formatDateId(date) + ";" + formatDate(date) + ";" +
                                  std::to_string(i % 40) + "," + std::to_string(i % 100));
        if (++date.day > daysInMonth(date.year, date.month)) {
            date.day = 1;
            if (++date.month > 12) { date.month = 1; ++date.year; }
        }
    }
}

void evaluate(benchmark::State& state, ViewMode mode) {
    Clock::setToday({2024, 5, 20});
    AppContext context;
    fill(context, static_cast<int>(state.range(0)));
    context.evaluation.viewMode = mode;
    context.evaluation.selectedDateText = "20.05.2024";
    NullSink sink;
    Evaluation evaluation(context, sink);
    for (auto _ : state) evaluation.Berechnung();
    Clock::reset();
}

void BM_MonthView(benchmark::State& state) { evaluate(state, ViewMode::Monat); }
void BM_YearView(benchmark::State& state) { evaluate(state, ViewMode::Jahr); }

}  // namespace

BENCHMARK(BM_MonthView)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YearView)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
