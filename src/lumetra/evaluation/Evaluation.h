#pragma once
// The month and year evaluation: one pass over the daily yields that sets the chart's bars,
// the reference line or month marks, the day value texts and every figure text.
#include "data/AppContext.h"
#include "evaluation/EvaluationSink.h"

namespace lumetra {

class Evaluation {
public:
    // Reads the yields, the settings fields and the state of `context` at every run and
    // writes the selection's results into `context.evaluation` and `sink`.
    Evaluation(AppContext& context, EvaluationSink& sink) : context_(context), sink_(sink) {}

    // Moves the selection to today's month and year, then evaluates.
    void Berechnung();
    // Evaluates the current selection. A conversion failure stops it at the failing line;
    // what was set before stays.
    void WeiterBerechnung();
    void MonatBerechnen();

private:
    void run(bool moveToToday);
    void monthView(double plantPower, double dailyReference, double dailyForecast, double dailyAverage);
    void yearView(double plantPower);
    void yearFigures(double year, double total, double power, double price);
    void setFigure(Figure figure, double value, int width, const char* suffix);

    AppContext& context_;
    EvaluationSink& sink_;
};

// Truncation toward zero into a chart value; a value no 32-bit integer holds is the
// processor's invalid operation.
int truncToInt(double value);

}  // namespace lumetra
