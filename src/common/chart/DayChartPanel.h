#pragma once
// The day chart both programs show: a black sunken panel holding a 144-column chart of
// 2-pixel bars on the scale 0–100 with the marker and the black frame.
#include <QFrame>

#include "chart/TLedSpectrum.h"

namespace lumetra {

struct DayChartPanel {
    QFrame* panel;        // "Panel1"
    TLedSpectrum* chart;  // "LedSpectrum1", at 4,4 inside the panel
};

DayChartPanel makeDayChartPanel(QWidget* parent, const QRect& panelPlace);

}  // namespace lumetra
