#include "DayChartStandIn.h"

#include <QPainter>

#include <algorithm>

namespace lumetra {

DayChartStandIn::DayChartStandIn(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void DayChartStandIn::setValue(int column, int value) {
    values_.at(static_cast<std::size_t>(column)) = value;
    update();
}

void DayChartStandIn::setShowInactive(bool show) {
    showInactive_ = show;
    update();
}

void DayChartStandIn::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    constexpr int kSegments = 50, pitch = 3, top = 4;
    const int segmentHeight = (height() - 2 * top) / kSegments;
    for (int c = 0; c < kColumns; ++c) {
        const int lit = std::clamp(values_[static_cast<std::size_t>(c)], 0, 100) * kSegments / 100;
        for (int s = 0; s < kSegments; ++s) {
            const bool on = s < lit;
            if (!on && !showInactive_) continue;
            const QColor colour = s < 30 ? QColor(0, 255, 0) : s < 42 ? QColor(255, 255, 0) : QColor(255, 0, 0);
            const int y = height() - top - (s + 1) * segmentHeight;
            p.fillRect(QRect(4 + c * pitch, y, 2, segmentHeight - 1), on ? colour : colour.darker(400));
        }
    }
}

}  // namespace lumetra
