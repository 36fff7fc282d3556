#include "settings/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Files.h"
#include "settings/DialogControls.h"
#include "settings/FileTransfer.h"
#include "settings/LocationEditor.h"
#include "ui/Dialogs.h"
#include "ui/TextListModel.h"
#include "ui/WindowFont.h"

namespace lumetra {
namespace {

constexpr int kFieldHeight = 21;

std::size_t index(SettingsField field) { return static_cast<std::size_t>(field); }
std::size_t index(SettingsSwitch sw) { return static_cast<std::size_t>(sw); }

// Right edge at `right`, for labels left of their field.
QLabel* addLabelBefore(QWidget* parent, const QString& text, int right, int top) {
    auto* label = new QLabel(text, parent);
    const int width = label->sizeHint().width();
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(right - width, top, width, 16);
    return label;
}

void addSeparator(QWidget* parent, int top) {
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(8, top, 642, 2);
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
                       int height) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(left, top, width, height);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

SettingsDialog::SettingsDialog(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), context_(context) {
    setObjectName("TForm2");
    setWindowTitle("Lumetra - Einstellungen");
    setFixedSize(658, 394);
    setFont(windowFont());
    timer1_.setObjectName("Timer1");
    timer1_.setInterval(kUploadIntervalMs);
    connect(&timer1_, &QTimer::timeout, this, &SettingsDialog::Timer1Timer);

    buildPlantFields();
    buildDirectoryFields();
    buildButtons();

    context_.settings = this;
    guarded([&] { loadSettings(*this, context_); });
}

SettingsDialog::~SettingsDialog() {
    if (context_.settings == this) context_.settings = &context_.initialSettings;
}

QLineEdit* SettingsDialog::addNumberField(const char* name, int left, int top, int width, int maxLength,
                                          bool decimal) {
    QLineEdit* edit = makeNumberField(this, name, maxLength, decimal);
    edit->setGeometry(left, top, width, kFieldHeight);
    return edit;
}

void SettingsDialog::buildPlantFields() {
    addLabel(this, "KWp:", 16, 10);
    addLabel(this, "Euro/KWh", 16, 34);
    addLabel(this, "Fläche (m²)", 16, 58);
    edits_[index(SettingsField::Kwp)] = addNumberField("kwpField", 80, 8, 41, 5, true);
    edits_[index(SettingsField::Euro)] = addNumberField("euroField", 80, 32, 41, 6, true);
    edits_[index(SettingsField::Fl)] = addNumberField("areaField", 80, 56, 41, 7, true);

    addLabelBefore(this, "Ertragsprognose in kWh/kWp und Jahr:", 354, 10);
    addLabelBefore(this, "1 kWh entspricht", 354, 34);
    addLabelBefore(this, "PAC<sub>max</sub>", 354, 56);
    edits_[index(SettingsField::Prognose)] = addNumberField("forecastField", 360, 8, 49, 7, false);
    edits_[index(SettingsField::Co2)] = addNumberField("co2Field", 360, 32, 49, 6, true);
    pacMaxField_ = addNumberField("pacMaxField", 360, 56, 49, 6, true);
    addLabel(this, "kg CO<sub>2</sub>", 416, 32, 0)->setFixedHeight(20);
    addLabel(this, "W", 416, 58);

    boxes_[index(SettingsSwitch::Display)] =
        addCheckBox("inactiveChartBox", "Inaktives Diagramm anzeigen", 16, 88, 260);
    boxes_[index(SettingsSwitch::Bak)] =
        addCheckBox("autoBackupBox", "Automatische Datensicherung bei Programmende", 16, 112, 320);

    addLabelBefore(this, "Durchschnittliche Globalstrahlung  (%) Monatsmittelwert", 649, 92);
    addLabelBefore(this, "Standort:", 402, 114);
    locationField_ = new QComboBox(this);
    locationField_->setObjectName("locationField");
    locationField_->setEditable(true);
    locationField_->setInsertPolicy(QComboBox::NoInsert);
    locationField_->setGeometry(408, 112, 193, kFieldHeight);
    connect(locationField_, &QComboBox::editTextChanged, this, [this] {
        if (!settingLocationQuietly_) ComboBox1Change();
    });
    auto* locations = addButton(this, "locationsButton", "...", 608, 112, 41, 21);
    locations->setToolTip("Standorte bearbeiten");
    connect(locations, &QPushButton::clicked, this, &SettingsDialog::StandorteButtonClick);

    pacMaxField_->setText("5000");
    setText(SettingsField::Kwp, "1");
    setText(SettingsField::Euro, "0,4675");
    setText(SettingsField::Fl, "0");
    setText(SettingsField::Prognose, "0");
    setText(SettingsField::Co2, "0,662");
    boxes_[index(SettingsSwitch::Display)]->setChecked(true);
    boxes_[index(SettingsSwitch::Bak)]->setChecked(true);
}

QLineEdit* SettingsDialog::addDirectoryField(SettingsField field, const char* name, const QString& label,
                                             const QString& browseTitle, int top) {
    addLabel(this, label, 16, top - 16);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(16, top, 265, kFieldHeight);
    edits_[index(field)] = edit;
    auto* browse = addButton(this, (std::string(name) + "Button").c_str(), "...", 288, top, 41, 21);
    connect(browse, &QPushButton::clicked, this,
            [this, field, browseTitle] { chooseDirectory(field, browseTitle); });
    return edit;
}

void SettingsDialog::buildDirectoryFields() {
    addSeparator(this, 138);
    addDirectoryField(SettingsField::Data, "dataDirField", "Datenverzeichnis", "Datenverzeichnis wählen",
                      160);
    addDirectoryField(SettingsField::SmaDir, "smaDirField", "Verzeichnis SMA Online",
                      "Verzeichnis für SMA-Onlinedaten wählen", 200);
    addDirectoryField(SettingsField::Archiv, "archiveDirField", "Archivverzeichnis für Tageswerte",
                      "Verzeichnis für Tagesarchivdaten", 240);
    addDirectoryField(SettingsField::Backup, "backupDirField", "Verzeichnis für Datensicherung",
                      "Verzeichnis für Datensicherung wählen", 280);
    addDirectoryField(SettingsField::Upload, "uploadDirField", "Verzeichnis auf Webserver",
                      "Verzeichnis für Upload wählen", 320);
    setText(SettingsField::Data, context_.dirs.data);
    setText(SettingsField::Upload, context_.dirs.data);

    addLabelBefore(this, "SMA {NN}:", 396, 202);
    auto* smaNumber = new QLineEdit("00", this);
    smaNumber->setObjectName("smaNumberField");
    smaNumber->setAlignment(Qt::AlignRight);
    smaNumber->setGeometry(400, 200, 33, kFieldHeight);
    edits_[index(SettingsField::SmaPar)] = smaNumber;

    addLabel(this, "Mailempfänger für Statistik", 336, 264);
    auto* mail = new QLineEdit(this);
    mail->setObjectName("mailField");
    mail->setGeometry(336, 280, 265, kFieldHeight);
    edits_[index(SettingsField::Mail)] = mail;
}

QCheckBox* SettingsDialog::addCheckBox(const char* name, const QString& text, int left, int top, int width) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(name);
    box->setGeometry(left, top, width, 17);
    return box;
}

void SettingsDialog::buildButtons() {
    auto* upload = addButton(this, "uploadButton", "Upload", 336, 320, 79, 21);
    connect(upload, &QPushButton::clicked, this, &SettingsDialog::UploadButtonClick);
    auto* autoUpload = addCheckBox("autoUploadBox", "Automatischer Upload", 418, 321, 200);
    boxes_[index(SettingsSwitch::AutoLoad)] = autoUpload;
    connect(autoUpload, &QCheckBox::toggled, this, &SettingsDialog::AutoUploadClick);

    addSeparator(this, 348);
    connect(addButton(this, "okButton", "OK", 16, 357, 75, 28), &QPushButton::clicked, this,
            &SettingsDialog::OKButtonClick);
    connect(addButton(this, "cancelButton", "Abbruch", 96, 357, 75, 28), &QPushButton::clicked, this,
            &SettingsDialog::AbbruchButtonClick);
    connect(addButton(this, "backupButton", "Daten sichern", 176, 357, 97, 28), &QPushButton::clicked, this,
            &SettingsDialog::SichernButtonClick);
    connect(addButton(this, "restoreButton", "Daten rücksichern", 280, 357, 113, 28), &QPushButton::clicked,
            this, &SettingsDialog::RuecksichernButtonClick);
}

std::string SettingsDialog::pacMax() const { return toCp1252(pacMaxField_->text()); }

std::string SettingsDialog::text(SettingsField field) const {
    if (field == SettingsField::Standort) return toCp1252(locationField_->currentText());
    return toCp1252(edits_[index(field)]->text());
}

void SettingsDialog::setText(SettingsField field, const std::string& text) {
    if (field != SettingsField::Standort) {
        edits_[index(field)]->setText(fromCp1252(text));
        return;
    }
    settingLocationQuietly_ = true;
    locationField_->setEditText(fromCp1252(text));
    settingLocationQuietly_ = false;
}

bool SettingsDialog::checked(SettingsSwitch sw) const { return boxes_[index(sw)]->isChecked(); }

void SettingsDialog::setChecked(SettingsSwitch sw, bool on) { boxes_[index(sw)]->setChecked(on); }

void SettingsDialog::setLocationNames(const std::vector<std::string>& names) {
    settingLocationQuietly_ = true;
    const QString text = locationField_->currentText();
    locationField_->setModel(new TextListModel(names, locationField_));
    locationField_->setEditText(text);
    settingLocationQuietly_ = false;
}

void SettingsDialog::chooseDirectory(SettingsField field, const QString& title) {
    guarded([&] {
        const QString chosen = Dialogs::existingDirectory(this, title);
        if (chosen.isEmpty()) return;
        const std::string path = toCp1252(chosen);
        setText(field, path);
        // These are held by the main window and take effect at once, even after "Abbruch".
        if (field == SettingsField::Data)
            context_.dirs.data = path;
        else if (field == SettingsField::Archiv)
            context_.dirs.archive = path;
        else if (field == SettingsField::Backup)
            context_.dirs.backup = path;
    });
}

void SettingsDialog::OKButtonClick() {
    if (guarded([&] { saveSettings(*this, context_); })) hide();
}

void SettingsDialog::AbbruchButtonClick() { hide(); }

void SettingsDialog::SichernButtonClick() {
    guarded([&] { backupData(context_.dirs); });
}

void SettingsDialog::RuecksichernButtonClick() {
    guarded([&] { restoreData(context_.dirs); });
}

void SettingsDialog::UploadButtonClick() {
    guarded([&] { uploadToday(*this); });
}

void SettingsDialog::Timer1Timer() {
    guarded([&] { uploadToday(*this); });
}

void SettingsDialog::AutoUploadClick(bool on) {
    if (on)
        timer1_.start();
    else
        timer1_.stop();
}

void SettingsDialog::StandorteButtonClick() {
    guarded([&] {
        if (!editor_) return;
        editor_->reloadTable();
        setLocationNames(locationNames(editor_->table()));
        editor_->show();
        editor_->raise();
        editor_->activateWindow();
    });
}

void SettingsDialog::ComboBox1Change() {
    guarded([&] {
        static const DelimitedLineList kNoLocations(DelimitedLineList::Order::Unsorted);
        takeOverLocation(editor_ ? editor_->table() : kNoLocations, text(SettingsField::Standort),
                         context_.evaluation);
    });
}

}  // namespace lumetra
