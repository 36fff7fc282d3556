#pragma once
// Keeps what the evaluation wrote, as a chart and labels would.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "evaluation/EvaluationSink.h"

namespace lumetra::test {

class RecordingSink : public EvaluationSink {
public:
    std::string monthCaption, yearCaption;
    std::vector<int> bars = std::vector<int>(31, 0);
    int lineHeight = -1;
    Rgb lineColour;
    bool lineHidden = false;
    std::array<int, 13> marks{};  // index 1 … 12
    std::map<Figure, std::string> figures;

    void setMonthCaption(const std::string& text) override { monthCaption = text; }
    void setYearCaption(const std::string& text) override { yearCaption = text; }
    void setColumns(int count) override {
        if (count != static_cast<int>(bars.size())) bars.assign(static_cast<std::size_t>(count), 0);
    }
    void setBar(int index, int value) override {
        if (index < 0 || index >= static_cast<int>(bars.size())) fail(msg::ListIndex, std::to_string(index));
        bars[static_cast<std::size_t>(index)] = value;
    }
    void setReferenceLine(int height, Rgb colour) override {
        lineHeight = height;
        lineColour = colour;
        lineHidden = false;
    }
    void hideReferenceLine() override { lineHidden = true; }
    void setMonthMark(int month, int height) override { marks[static_cast<std::size_t>(month)] = height; }
    void setFigure(Figure figure, const std::string& text) override { figures[figure] = text; }

    std::string figure(Figure f) const {
        auto it = figures.find(f);
        return it == figures.end() ? "<unset>" : it->second;
    }
};

}  // namespace lumetra::test
