#include "DayChartPanel.h"

#include "dayfile/LoadDayCurve.h"
#include "ui/Controls.h"

namespace lumetra {

DayChartPanel makeDayChartPanel(QWidget* parent, const QRect& panelPlace) {
    QFrame* panel = ui::placeBlackPanel(parent, "Panel1", panelPlace);

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
