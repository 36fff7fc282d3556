#include "WebSettingsDialog.h"

#include <QRegularExpressionValidator>
#include <algorithm>

#include "base/Cp1252.h"
#include "ui/WindowKit.h"

namespace lumetra {
PeriodSpinBox::PeriodSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(1, 30);
    setSingleStep(1);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State PeriodSpinBox::validate(QString& input, int& pos) const {
    const QValidator::State state = QSpinBox::validate(input, pos);
    // Let 45 or 0 be typed; fixup pulls it into range when the field is left.
    if (state == QValidator::Invalid && !input.isEmpty() && input.size() <= 4 &&
        std::all_of(input.begin(), input.end(), [](QChar c) { return c.isDigit(); }))
        return QValidator::Intermediate;
    return state;
}

void PeriodSpinBox::fixup(QString& input) const {
    bool ok = false;
    const int n = input.toInt(&ok);
    if (ok) input = QString::number(std::clamp(n, minimum(), maximum()));
}

WebSettingsDialog::WebSettingsDialog(Path workingDirectory, WebViewerActions& viewer, QWidget* parent)
    : FixedWindow({"TForm2", "Lumetra-Web Einstellungen", QSize(337, 129)}, parent),
      workingDirectory_(std::move(workingDirectory)),
      viewer_(viewer) {
    const WebSettingsValues design = designWebSettings();
    const ui::LabelLook bold = ui::LabelLook().bold();
    ui::placeLabel(this, "Label1", "Quellverzeichnis", QRect(8, 8, 0, 0), bold);
    lmdEdit1_ = ui::placeTextField(this, "LMDEdit1", QRect(8, 24, 321, 21));
    lmdEdit1_->setText(fromCp1252(design.path));
    ui::placeLabel(this, "Label2", "PAC max:", QRect(8, 52, 0, 0), bold);
    lmdMaskEdit1_ = ui::placeTextField(this, "LMDMaskEdit1", QRect(66, 48, 65, 21));
    lmdMaskEdit1_->setAlignment(Qt::AlignRight);
    lmdMaskEdit1_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), lmdMaskEdit1_));
    lmdMaskEdit1_->setText(fromCp1252(design.pac));
    ui::placeLabel(this, "Label3", "W", QRect(134, 52, 0, 0), bold);
    ui::placeLabel(this, "Label4", "SMA{NN}:", QRect(234, 52, 0, 0),
                   bold);  // "{NN}" literally, without the blank
    lmdEdit2_ = ui::placeTextField(this, "LMDEdit2", QRect(296, 48, 33, 21));
    lmdEdit2_->setAlignment(Qt::AlignCenter);
    lmdEdit2_->setMaxLength(2);
    lmdEdit2_->setText(fromCp1252(design.sma));
    sCheckBox2_ =
        ui::placeCheckBox(this, "sCheckBox2", "Inaktives Diagramm ausblenden", QRect(8, 72, 179, 19));
    sCheckBox3_ = ui::placeCheckBox(this, "sCheckBox3", "Refreshautomatik", QRect(189, 72, 111, 19));
    sCheckBox3_->setChecked(true);  // design state; the load clears it
    auto* ok = ui::placeButton(this, "sButton1", "OK", QRect(8, 96, 75, 25));
    auto* cancel = ui::placeButton(this, "sButton2", "Abbruch", QRect(88, 96, 75, 25));
    ui::placeLabel(this, "Label7", "Refresh in Min.", QRect(190, 101, 0, 0));
    spinEdit1_ = new PeriodSpinBox(this);
    spinEdit1_->setObjectName("SpinEdit1");
    spinEdit1_->setGeometry(264, 97, 49, 21);
    spinEdit1_->setValue(periodMinutes(design.time));

    timer1_.setObjectName("Timer1");
    timer1_.setTimerType(Qt::PreciseTimer);  // a coarse timer may drift by 5 % of the period
    timer1_.setInterval(1000);
    timer1_.start();

    ui::connectGuarded(ok, &QPushButton::clicked, this, &WebSettingsDialog::sButton1Click);
    ui::connectGuarded(cancel, &QPushButton::clicked, this, &WebSettingsDialog::sButton2Click);
    ui::connectGuarded(&timer1_, &QTimer::timeout, this, &WebSettingsDialog::Timer1Timer);
}

void WebSettingsDialog::FormCreate() {
    sCheckBox2_->setChecked(false);
    sCheckBox3_->setChecked(false);
    const auto loaded = loadWebSettings(iniPath());
    if (!loaded) return;
    lmdEdit1_->setText(fromCp1252(loaded->path));
    lmdMaskEdit1_->setText(fromCp1252(loaded->pac));
    lmdEdit2_->setText(fromCp1252(loaded->sma));
    spinEdit1_->setValue(periodMinutes(loaded->time));
    sCheckBox2_->setChecked(loaded->hideInactive);
    sCheckBox3_->setChecked(loaded->autoRefresh);
    viewer_.setChartShowInactive(!sCheckBox2_->isChecked());
    timer1_.setInterval(spinEdit1_->value() * 60000);
}

WebSettingsValues WebSettingsDialog::fieldValues() const {
    WebSettingsValues v;
    v.path = baseUrl();
    v.pac = pacMaxText();
    v.sma = smaNumber();
    v.time = toCp1252(spinEdit1_->text());
    v.hideInactive = sCheckBox2_->isChecked();
    v.autoRefresh = sCheckBox3_->isChecked();
    return v;
}

void WebSettingsDialog::sButton1Click() {
    saveWebSettings(iniPath(), fieldValues());
    viewer_.setChartShowInactive(!sCheckBox2_->isChecked());
    const int period = spinEdit1_->value() * 60000;
    // Only a changed period starts the count afresh.
    if (period != timer1_.interval()) timer1_.start(period);
    hide();
}

void WebSettingsDialog::sButton2Click() { hide(); }

void WebSettingsDialog::Timer1Timer() {
    if (sCheckBox3_->isChecked()) viewer_.LMDButton2Click();
}

std::string WebSettingsDialog::baseUrl() const { return toCp1252(lmdEdit1_->text()); }
std::string WebSettingsDialog::smaNumber() const { return toCp1252(lmdEdit2_->text()); }
std::string WebSettingsDialog::pacMaxText() const { return toCp1252(lmdMaskEdit1_->text()); }
bool WebSettingsDialog::hideInactive() const { return sCheckBox2_->isChecked(); }

}  // namespace lumetra
