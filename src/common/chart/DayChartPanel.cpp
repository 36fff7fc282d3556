#include "DayChartPanel.h"

#include "dayfile/LoadDayCurve.h"

namespace lumetra {

DayChartPanel makeDayChartPanel(QWidget* parent, const QRect& panelPlace) {
    auto* panel = new QFrame(parent);
    panel->setObjectName("Panel1");
    panel->setGeometry(panelPlace);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel->setPalette(black);

    auto* chart = new TLedSpectrum(panel);
    chart->setObjectName("LedSpectrum1");
    chart->setGeometry(4, 4, 441, 226);  // sizes itself to 441 x 225
    applyBlackBevel(*chart);
    chart->setColumns(DayColumns);
    chart->setBarWidth(2);
    chart->setMaxValue(100);
    chart->setMarkerVisible(true);
    return {panel, chart};
}

}  // namespace lumetra
