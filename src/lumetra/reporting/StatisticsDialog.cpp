#include "StatisticsDialog.h"

#include <QFrame>
#include <iterator>

#include "base/Cp1252.h"
#include "ui/WindowKit.h"

namespace lumetra {
namespace {
constexpr int kLabelHeight = 14;
constexpr int kValueWidth = 150;

// The value label of each figure. The report and the tests find the labels by these names.
constexpr struct {
    Figure figure;
    const char* label;
} kFigureLabels[] = {
    {Figure::DayEnergyAverage, "Label5"},
    {Figure::MonthEnergyAverage, "Label12"},
    {Figure::MonthEnergyAveragePerKwp, "Label43"},
    {Figure::DayEnergyForecast, "Label6"},
    {Figure::MonthEnergyForecast, "Label13"},
    {Figure::MonthEnergyForecastPerKwp, "Label45"},
    {Figure::YearEnergyAverage, "Label17"},
    {Figure::YearEnergyForecast, "Label18"},
    {Figure::SelectedDayEnergy, "Label11"},
    {Figure::SelectedDate, "Label22"},
    {Figure::MonthEnergy, "Label4"},
    {Figure::MonthEnergyPerKwp, "Label29"},
    {Figure::MonthMoney, "Label25"},
    {Figure::MonthCo2, "Label34"},
    {Figure::YearEnergy, "Label20"},
    {Figure::YearEnergyPerKwp, "Label21"},
    {Figure::YearMoney, "Label24"},
    {Figure::YearCo2, "Label40"},
    {Figure::TotalMoney, "Label27"},
    {Figure::TotalCo2, "Label41"},
};
static_assert(std::size(kFigureLabels) == kFigureCount);

const char* labelName(Figure figure) {
    for (const auto& entry : kFigureLabels)
        if (entry.figure == figure) return entry.label;
    return "";
}
}  // namespace

StatisticsDialog::StatisticsDialog(QWidget* parent)
    : FixedWindow(ui::WindowSetup{"TForm8", "Lumetra - Statistik", QSize(655, 324)}.withDialogKeys(),
                  parent) {
    struct Row {
        int top;
        const char* left;
        Figure leftValue;
        const char* right;
        Figure rightValue;
    };
    const QString kWh = "0 kWh";
    addText("Erbrachte Tagesenergie der Anlage:", 16, 32);
    addValue(Figure::SelectedDayEnergy, kWh, 304, 32);
    QLabel* date = addText("am:", 312, 32);
    date->setObjectName(labelName(Figure::SelectedDate));
    date->setTextFormat(Qt::PlainText);
    date->setFixedWidth(160);
    values_[static_cast<int>(Figure::SelectedDate)] = date;

    addText("Durchschnittlicher Tagesenergieertrag:", 16, 64);
    addValue(Figure::DayEnergyAverage, kWh, 304, 64);
    addText("Prognostizierte Tagesenergie der Anlage:", 16, 80);
    addValue(Figure::DayEnergyForecast, kWh, 304, 80);

    const Row energyRows[] = {
        {104, "Erbrachte Monatsenergie der Anlage:", Figure::MonthEnergy,
         "Erbrachte Monatsenergie der Anlage pro kWp:", Figure::MonthEnergyPerKwp},
        {120, "Durchschnittliche Monatsenergie:", Figure::MonthEnergyAverage,
         "Durchschnittliche Monatsenergie pro kWp:", Figure::MonthEnergyAveragePerKwp},
        // "Prognostozierte" misspelt on purpose: users know the caption so.
        {136, "Prognostizierte Monatsenergie der Anlage:", Figure::MonthEnergyForecast,
         "Prognostozierte Monatsenergie pro kWp:", Figure::MonthEnergyForecastPerKwp},
        {160, "Erbrachte Jahresenergie der Anlage:", Figure::YearEnergy,
         "Erbrachte Jahresenergie der Anlage pro kWp:", Figure::YearEnergyPerKwp},
    };
    for (const Row& row : energyRows) {
        addText(row.left, 16, row.top);
        addValue(row.leftValue, kWh, 304, row.top);
        addText(row.right, 336, row.top);
        addValue(row.rightValue, kWh, 640, row.top);
    }
    addText("Durchschnittliche Jahresenergie:", 16, 176);
    addValue(Figure::YearEnergyAverage, kWh, 304, 176);
    addText("Prognostizierte Jahresenergie der Anlage:", 16, 192);
    addValue(Figure::YearEnergyForecast, kWh, 304, 192);

    auto* separator = new QFrame(this);
    separator->setObjectName("Bevel1");
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(16, 213, 625, 3);

    const Row moneyRows[] = {
        {224, "Monatsertrag:", Figure::MonthMoney, "Emission im Monat:", Figure::MonthCo2},
        {240, "Jahresertrag:", Figure::YearMoney, "Emission im Jahr:", Figure::YearCo2},
        {256, "Gesamtertrag:", Figure::TotalMoney, "Emission gesamt:", Figure::TotalCo2},
    };
    for (const Row& row : moneyRows) {
        addText(row.left, 16, row.top);
        addValue(row.leftValue, "0 Euro", 304, row.top);
        addCo2Description(row.right, row.top);
        addValue(row.rightValue, "0 kg", 640, row.top);
    }

    auto* ok = ui::placeButton(this, "OkButton", "OK", QRect(16, 288, 75, 25), ui::ButtonLook().asDefault());
    auto* print = ui::placeButton(this, "DruckButton", "Druck", QRect(96, 288, 75, 25));
    ui::connectGuarded(ok, &QPushButton::clicked, this, &StatisticsDialog::OKClick);
    ui::connectGuarded(print, &QPushButton::clicked, this, &StatisticsDialog::DruckClick);
}

QLabel* StatisticsDialog::addText(const QString& text, int left, int top) {
    QLabel* label = ui::placeLabel(this, QString(), text, QRect(left, top, 0, kLabelHeight));
    label->setFixedHeight(kLabelHeight);  // kept when a smaller face resizes it
    return label;
}

void StatisticsDialog::addValue(Figure figure, const QString& startCaption, int rightEdge, int top) {
    QLabel* label = ui::placeLabel(this, labelName(figure), startCaption,
                                   QRect(rightEdge - kValueWidth, top, kValueWidth, kLabelHeight),
                                   ui::LabelLook().plain().align(Qt::AlignRight));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    values_[static_cast<int>(figure)] = label;
}

// "CO" with a lowered "2", as three labels.
void StatisticsDialog::addCo2Description(const QString& rest, int top) {
    QLabel* co = addText("Vermiedene CO", 336, top);
    // Our font runs wider than the one the places were made for; keep "CO" clear of the "2".
    QFont narrow = co->font();
    for (double spacing = 0; co->fontMetrics().horizontalAdvance(co->text()) > 410 - 336 && spacing > -1;) {
        spacing -= 0.1;
        narrow.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        co->setFont(narrow);
    }
    co->adjustSize();
    QLabel* two = addText("2", 410, top + 3);
    QFont small = two->font();
    small.setPixelSize(9);
    two->setFont(small);
    two->adjustSize();
    addText(rest, 420, top);
}

void StatisticsDialog::setFigure(Figure figure, const std::string& text) {
    values_[static_cast<int>(figure)]->setText(fromCp1252(text));
}

std::string StatisticsDialog::figureText(Figure figure) const {
    return toCp1252(values_[static_cast<int>(figure)]->text());
}

QLabel* StatisticsDialog::valueLabel(Figure figure) const { return values_[static_cast<int>(figure)]; }

std::string StatisticsDialog::labelText(const std::string& objectName) const {
    const QLabel* label = findChild<QLabel*>(QString::fromLatin1(objectName.c_str()));
    return label ? toCp1252(label->text()) : std::string();
}

void StatisticsDialog::OKClick() { hide(); }

void StatisticsDialog::DruckClick() {
    if (printHandler_) printHandler_();
}

}  // namespace lumetra
