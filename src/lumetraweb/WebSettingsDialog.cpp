#include "WebSettingsDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "ui/WindowFont.h"

namespace lumetra {
namespace {

void boldLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->move(x, y);
    label->adjustSize();
}

template <typename W>
W* control(QWidget* parent, const char* name, QRect geometry) {
    auto* w = new W(parent);
    w->setObjectName(name);
    w->setGeometry(geometry);
    return w;
}

}  // namespace

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
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      workingDirectory_(std::move(workingDirectory)),
      viewer_(viewer) {
    setObjectName("TForm2");
    setWindowTitle("Lumetra-Web Einstellungen");
    setFixedSize(337, 129);
    setFont(windowFont());

    const WebSettingsValues design = designWebSettings();
    boldLabel(this, "Label1", "Quellverzeichnis", 8, 8);
    LMDEdit1 = control<QLineEdit>(this, "LMDEdit1", QRect(8, 24, 321, 21));
    LMDEdit1->setText(fromCp1252(design.path));
    boldLabel(this, "Label2", "PAC max:", 8, 52);
    LMDMaskEdit1 = control<QLineEdit>(this, "LMDMaskEdit1", QRect(66, 48, 65, 21));
    LMDMaskEdit1->setAlignment(Qt::AlignRight);
    LMDMaskEdit1->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), LMDMaskEdit1));
    LMDMaskEdit1->setText(fromCp1252(design.pac));
    boldLabel(this, "Label3", "W", 134, 52);
    boldLabel(this, "Label4", "SMA{NN}:", 234, 52);
    LMDEdit2 = control<QLineEdit>(this, "LMDEdit2", QRect(296, 48, 33, 21));
    LMDEdit2->setAlignment(Qt::AlignCenter);
    LMDEdit2->setMaxLength(2);
    LMDEdit2->setText(fromCp1252(design.sma));
    sCheckBox2 = control<QCheckBox>(this, "sCheckBox2", QRect(8, 72, 179, 19));
    sCheckBox2->setText("Inaktives Diagramm ausblenden");
    sCheckBox3 = control<QCheckBox>(this, "sCheckBox3", QRect(189, 72, 111, 19));
    sCheckBox3->setText("Refreshautomatik");
    sCheckBox3->setChecked(true);  // design state; the load clears it
    sButton1 = control<QPushButton>(this, "sButton1", QRect(8, 96, 75, 25));
    sButton1->setText("OK");
    sButton2 = control<QPushButton>(this, "sButton2", QRect(88, 96, 75, 25));
    sButton2->setText("Abbruch");
    auto* label7 = new QLabel("Refresh in Min.", this);
    label7->setObjectName("Label7");
    label7->move(190, 101);
    label7->adjustSize();
    SpinEdit1 = control<PeriodSpinBox>(this, "SpinEdit1", QRect(264, 97, 49, 21));
    SpinEdit1->setValue(periodMinutes(design.time));

    Timer1.setObjectName("Timer1");
    Timer1.setTimerType(Qt::PreciseTimer);  // a coarse timer may drift by 5 % of the period
    Timer1.setInterval(1000);
    Timer1.start();

    connect(sButton1, &QPushButton::clicked, this, [this] { sButton1Click(); });
    connect(sButton2, &QPushButton::clicked, this, [this] { sButton2Click(); });
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void WebSettingsDialog::FormCreate() {
    sCheckBox2->setChecked(false);
    sCheckBox3->setChecked(false);
    const auto loaded = loadWebSettings(iniPath());
    if (!loaded) return;
    LMDEdit1->setText(fromCp1252(loaded->path));
    LMDMaskEdit1->setText(fromCp1252(loaded->pac));
    LMDEdit2->setText(fromCp1252(loaded->sma));
    SpinEdit1->setValue(periodMinutes(loaded->time));
    sCheckBox2->setChecked(loaded->hideInactive);
    sCheckBox3->setChecked(loaded->autoRefresh);
    viewer_.setChartShowInactive(!sCheckBox2->isChecked());
    Timer1.setInterval(SpinEdit1->value() * 60000);
}

WebSettingsValues WebSettingsDialog::fieldValues() const {
    WebSettingsValues v;
    v.path = baseUrl();
    v.pac = pacMaxText();
    v.sma = smaNumber();
    v.time = toCp1252(SpinEdit1->text());
    v.hideInactive = sCheckBox2->isChecked();
    v.autoRefresh = sCheckBox3->isChecked();
    return v;
}

void WebSettingsDialog::sButton1Click() {
    guarded([&] {
        saveWebSettings(iniPath(), fieldValues());
        viewer_.setChartShowInactive(!sCheckBox2->isChecked());
        const int period = SpinEdit1->value() * 60000;
        // Only a changed period starts the count afresh.
        if (period != Timer1.interval()) Timer1.start(period);
        hide();
    });
}

void WebSettingsDialog::sButton2Click() { hide(); }

void WebSettingsDialog::Timer1Timer() {
    if (sCheckBox3->isChecked()) viewer_.LMDButton2Click();
}

std::string WebSettingsDialog::baseUrl() const { return toCp1252(LMDEdit1->text()); }
std::string WebSettingsDialog::smaNumber() const { return toCp1252(LMDEdit2->text()); }
std::string WebSettingsDialog::pacMaxText() const { return toCp1252(LMDMaskEdit1->text()); }
bool WebSettingsDialog::hideInactive() const { return sCheckBox2->isChecked(); }

}  // namespace lumetra
