#pragma once
// The statistics window (TForm8): the evaluation's figures of the selected month.
#include <functional>
#include <string>

#include "evaluation/EvaluationSink.h"
#include "ui/FixedWindow.h"

class QLabel;

namespace lumetra {

class StatisticsDialog : public ui::FixedWindow {
    Q_OBJECT
public:
    explicit StatisticsDialog(QWidget* parent = nullptr);

    // Filled by the evaluation whether the window is shown or not. Windows-1252 text.
    void setFigure(Figure figure, const std::string& text);
    std::string figureText(Figure figure) const;
    QLabel* valueLabel(Figure figure) const;
    // Any label's text by its control name ("Label5"); empty when there is none.
    std::string labelText(const std::string& objectName) const;

    // "Druck" runs this (the report builder).
    void setPrintHandler(std::function<void()> handler) { printHandler_ = std::move(handler); }

    void OKClick();
    void DruckClick();

private:
    QLabel* addText(const QString& text, int left, int top);
    void addValue(Figure figure, const QString& startCaption, int rightEdge, int top);
    void addCo2Description(const QString& rest, int top);

    QLabel* values_[kFigureCount] = {};
    std::function<void()> printHandler_;
};

}  // namespace lumetra
