// One evaluation (month and year view) over a long DATEN.DAT ending yesterday.
#include <benchmark/benchmark.h>

#include <QDate>

#include "base/Clock.h"
#include "evaluation/Evaluation.h"

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
    QDate day = QDate(2024, 5, 19).addDays(1 - lines);
    for (int i = 0; i < lines; ++i, day = day.addDays(1)) {
        const Date date{day.year(), day.month(), day.day()};
        context.yields.appendLine(formatDateId(date) + ";" + formatDate(date) + ";" + std::to_string(i % 40) +
                                  "," + std::to_string(i % 100));
    }
}

void evaluate(benchmark::State& state, ViewMode mode) {
    Clock::setToday({2024, 5, 20});
    AppContext context;
    fill(context, static_cast<int>(state.range(0)));
    context.evaluation.viewMode = mode;
    context.evaluation.selectedDateText = "19.05.2024";
    NullSink sink;
    Evaluation evaluation(context, sink);
    for (auto _ : state) evaluation.Berechnung();
    Clock::reset();
}

void BM_EvaluationMonth(benchmark::State& state) { evaluate(state, ViewMode::Monat); }
void BM_EvaluationYear(benchmark::State& state) { evaluate(state, ViewMode::Jahr); }

}  // namespace

BENCHMARK(BM_EvaluationMonth)->Arg(36500)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EvaluationYear)->Arg(36500)->Arg(100000)->Unit(benchmark::kMillisecond);
