#include "DayCurveWindow.h"

#include <QFrame>

#include "base/Cp1252.h"
#include "base/Files.h"
#include "chart/DayChartPanel.h"
#include "ui/Dialogs.h"
#include "ui/WindowKit.h"

namespace lumetra {
namespace {

constexpr QSize PictureSize(449, 232);

}  // namespace

DayCurveWindow::DayCurveWindow(AppContext& context, QWidget* parent)
    : FixedWindow({"TForm10", "Tageswerte", QSize(464, 310)}, parent), context_(context) {
    const DayChartPanel dayChart = makeDayChartPanel(this, QRect(8, 8, 449, 232));
    panel1_ = dayChart.panel;
    chart_ = dayChart.chart;
    chart_->fullPaint();
    ui::connectGuarded(chart_, &TLedSpectrum::pointerMoved, this, &DayCurveWindow::LedSpectrum1MouseMove);

    // Right edge at 448, clear of the archive button so it never takes its clicks.
    const ui::LabelLook bold = ui::LabelLook().bold().align(Qt::AlignRight);
    label1_ = ui::placeLabel(this, "Label1", QString(), QRect(288, 253, 160, 16), bold);
    label2_ = ui::placeLabel(this, "Label2", QString(), QRect(288, 285, 160, 16), bold);

    const auto buttons = ui::placeButtons<DayCurveWindow>(
        this, this,
        {
            {"sButton6", "OK", QRect(8, 245, 49, 25), &DayCurveWindow::sButton6Click},
            {"sButton1", "Aktualisieren", QRect(64, 245, 81, 25), &DayCurveWindow::sButton1Click},
            {"sButton2", "Tageswerte archivieren", QRect(152, 245, 129, 25), &DayCurveWindow::sButton2Click},
            {"sButton3", "Tageswerte aus Archiv einlesen", QRect(8, 277, 273, 25),
             &DayCurveWindow::sButton3Click},
        });
    archiveButton_ = buttons[2];
}

double DayCurveWindow::takeSettingsForRead() {
    const std::string pacMaxText = context_.settings->pacMax();
    const double PacMax = pacMaxFromField(pacMaxText);
    chart_->setShowInactive(context_.settings->showInactive());
    label2_->setText(fromCp1252("PAC max: " + pacMaxText + " Watt"));
    return PacMax;
}

void DayCurveWindow::showCurve() {
    const auto& curve = day_.day().curve;
    for (int i = 0; i < DayColumns; ++i) chart_->Items(i).setValue(curve[static_cast<std::size_t>(i)]);
    // Only a day just found in the SMA directory may be archived; an empty one must not
    // replace an archived day.
    archiveButton_->setEnabled(day_.archivable());
}

void DayCurveWindow::showDayValues() {
    const std::string date = context_.evaluation.selectedDateText;
    const double PacMax = takeSettingsForRead();
    // The columns were cleared before a file that failed.
    ui::thenAlways(
        [&] { day_.readSmaDay(context_.settings->smaDir(), context_.settings->smaNumber(), date, PacMax); },
        [&] { showCurve(); });
    if (day_.day().existed) label1_->clear();
    setWindowTitle(fromCp1252("Tageswerte vom " + date));
    ui::bringToFront(this);
}

void DayCurveWindow::sButton6Click() { hide(); }

void DayCurveWindow::sButton1Click() { showDayValues(); }

void DayCurveWindow::sButton2Click() { day_.archive(context_.dirs.archive, panelPicture()); }

void DayCurveWindow::sButton3Click() {
    const QString chosen = Dialogs::openFileName(this, QString::fromUtf8("Statistik öffnen"),
                                                 qtPath(context_.dirs.archive), "SMA-Tageswerte (*.SUO)");
    if (chosen.isEmpty()) return;
    const Path path = pathFromQt(chosen);
    const double PacMax = takeSettingsForRead();
    ui::thenAlways([&] { day_.readArchived(path, PacMax); }, [&] { showCurve(); });
    if (day_.day().existed) label1_->clear();
    setWindowTitle("Tageswerte aus Archiv " + qtPath(path.filename()));
}

void DayCurveWindow::LedSpectrum1MouseMove(int x, int /*y*/) {
    if (auto text = dayHoverText(day_.day().pacTexts, x)) label1_->setText(fromCp1252(*text));
}

QImage DayCurveWindow::panelPicture() const {
    QImage picture = panel1_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (picture.size() != PictureSize)
        picture = picture.scaled(PictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

}  // namespace lumetra
