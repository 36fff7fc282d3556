#include "DayCurveWindow.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Files.h"
#include "chart/DayChartPanel.h"
#include "ui/Dialogs.h"
#include "ui/WindowFont.h"

namespace lumetra {
namespace {

constexpr QSize PictureSize(449, 232);

QLabel* boldLabel(QWidget* parent, const char* name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(place);
    return label;
}

}  // namespace

DayCurveWindow::DayCurveWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), context_(context) {
    setObjectName("TForm10");
    setWindowTitle("Tageswerte");
    setFixedSize(464, 310);
    setFont(windowFont());

    const DayChartPanel dayChart = makeDayChartPanel(this, QRect(8, 8, 449, 232));
    panel1_ = dayChart.panel;
    chart_ = dayChart.chart;
    chart_->fullPaint();
    connect(chart_, &TLedSpectrum::pointerMoved, this, &DayCurveWindow::LedSpectrum1MouseMove);

    // Right edge at 448, clear of the archive button so it never takes its clicks.
    label1_ = boldLabel(this, "Label1", QRect(288, 253, 160, 16));
    label2_ = boldLabel(this, "Label2", QRect(288, 285, 160, 16));

    auto* ok = addButton("sButton6", "OK", QRect(8, 245, 49, 25));
    connect(ok, &QPushButton::clicked, this, &DayCurveWindow::sButton6Click);
    auto* refresh = addButton("sButton1", "Aktualisieren", QRect(64, 245, 81, 25));
    connect(refresh, &QPushButton::clicked, this, &DayCurveWindow::sButton1Click);
    archiveButton_ = addButton("sButton2", "Tageswerte archivieren", QRect(152, 245, 129, 25));
    connect(archiveButton_, &QPushButton::clicked, this, &DayCurveWindow::sButton2Click);
    auto* fromArchive = addButton("sButton3", "Tageswerte aus Archiv einlesen", QRect(8, 277, 273, 25));
    connect(fromArchive, &QPushButton::clicked, this, &DayCurveWindow::sButton3Click);
}

QPushButton* DayCurveWindow::addButton(const char* name, const QString& text, const QRect& place) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
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
    guarded([&] {
        const std::string date = context_.evaluation.selectedDateText;
        const double PacMax = takeSettingsForRead();
        try {
            day_.readSmaDay(context_.settings->smaDir(), context_.settings->smaNumber(), date, PacMax);
        } catch (...) {
            showCurve();  // the columns were cleared before the file failed
            throw;
        }
        showCurve();
        if (day_.day().existed) label1_->clear();
        setWindowTitle(fromCp1252("Tageswerte vom " + date));
        show();
        raise();
        activateWindow();
    });
}

void DayCurveWindow::sButton6Click() { hide(); }

void DayCurveWindow::sButton1Click() { showDayValues(); }

void DayCurveWindow::sButton2Click() {
    guarded([&] { day_.archive(context_.dirs.archive, panelPicture()); });
}

void DayCurveWindow::sButton3Click() {
    guarded([&] {
        const QString chosen = Dialogs::openFileName(this, QString::fromUtf8("Statistik öffnen"),
                                                     qtPath(context_.dirs.archive), "SMA-Tageswerte (*.SUO)");
        if (chosen.isEmpty()) return;
        const Path path = pathFromQt(chosen);
        const double PacMax = takeSettingsForRead();
        try {
            day_.readArchived(path, PacMax);
        } catch (...) {
            showCurve();
            throw;
        }
        showCurve();
        if (day_.day().existed) label1_->clear();
        setWindowTitle("Tageswerte aus Archiv " + qtPath(path.filename()));
    });
}

void DayCurveWindow::LedSpectrum1MouseMove(int x, int /*y*/) {
    guarded([&] {
        if (auto text = dayHoverText(day_.day().pacTexts, x)) label1_->setText(fromCp1252(*text));
    });
}

QImage DayCurveWindow::panelPicture() const {
    QImage picture = panel1_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (picture.size() != PictureSize)
        picture = picture.scaled(PictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

}  // namespace lumetra
