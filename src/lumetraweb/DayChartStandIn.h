#pragma once
// Stands in for the shared segmented bar chart until it is available: 144 columns of
// width 2 on a 0…100 scale, unlit segments drawn or hidden.
#include <QWidget>

#include <array>

namespace lumetra {

class DayChartStandIn : public QWidget {
public:
    static constexpr int kColumns = 144;
    explicit DayChartStandIn(QWidget* parent = nullptr);

    void setValue(int column, int value);
    int value(int column) const { return values_.at(static_cast<std::size_t>(column)); }
    void setShowInactive(bool show);
    bool showInactive() const { return showInactive_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::array<int, kColumns> values_{};
    bool showInactive_ = true;
};

}  // namespace lumetra
