#include "settings/SettingsDialog.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Files.h"
#include "data/SettingsDefaults.h"
#include "settings/FileTransfer.h"
#include "settings/LocationEditor.h"
#include "ui/Dialogs.h"
#include "ui/WindowKit.h"

namespace lumetra {
namespace {

constexpr int kFieldHeight = 21;

// The location box's list, read from the names as they are shown.
class LocationNameModel : public QAbstractListModel {
public:
    LocationNameModel(LocationNames names, QObject* parent)
        : QAbstractListModel(parent), names_(std::move(names)) {}
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : names_.count();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= names_.count() ||
            (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return fromCp1252(names_.line(index.row()));
    }

private:
    LocationNames names_;
};

std::size_t index(SettingsField field) { return static_cast<std::size_t>(field); }
std::size_t index(SettingsSwitch sw) { return static_cast<std::size_t>(sw); }

QLabel* addLabel(QWidget* parent, const QString& text, int left, int top, int width = 0) {
    return ui::placeLabel(parent, QString(), text, QRect(left, top, width, 16));
}

// Right edge at `right`, for labels left of their field.
QLabel* addLabelBefore(QWidget* parent, const QString& text, int right, int top) {
    return ui::placeLabelLeftOf(parent, QString(), text, right, top, 16,
                                ui::LabelLook().align(Qt::AlignRight));
}

QLineEdit* addNumberField(QWidget* parent, const char* name, int left, int top, int width, int maxLength,
                          bool decimal) {
    return ui::placeNumberField(parent, name, QRect(left, top, width, kFieldHeight), maxLength, decimal);
}

}  // namespace

SettingsDialog::SettingsDialog(AppContext& context, QWidget* parent)
    : FixedWindow({"TForm2", "Lumetra - Einstellungen", QSize(658, 394)}, parent), context_(context) {
    timer1_.setObjectName("Timer1");
    timer1_.setInterval(kUploadIntervalMs);
    ui::connectGuarded(&timer1_, &QTimer::timeout, this, &SettingsDialog::Timer1Timer);

    buildPlantFields();
    buildDirectoryFields();
    buildButtons();

    context_.settings = this;
    guarded([&] { loadSettings(*this, context_); });
}

SettingsDialog::~SettingsDialog() {
    if (context_.settings == this) context_.settings = &context_.initialSettings;
}

void SettingsDialog::buildPlantFields() {
    addLabel(this, "KWp:", 16, 10);
    addLabel(this, "Euro/KWh", 16, 34);  // "KWh" as users know it
    addLabel(this, "Fläche (m²)", 16, 58);
    edits_[index(SettingsField::Kwp)] = addNumberField(this, "kwpField", 80, 8, 41, 5, true);
    edits_[index(SettingsField::Euro)] = addNumberField(this, "euroField", 80, 32, 41, 6, true);
    edits_[index(SettingsField::Fl)] = addNumberField(this, "areaField", 80, 56, 41, 7, true);

    addLabelBefore(this, "Ertragsprognose in kWh/kWp und Jahr:", 354, 10);
    addLabelBefore(this, "1 kWh entspricht", 354, 34);
    addLabelBefore(this, "PAC<sub>max</sub>", 354, 56);
    edits_[index(SettingsField::Prognose)] = addNumberField(this, "forecastField", 360, 8, 49, 7, false);
    edits_[index(SettingsField::Co2)] = addNumberField(this, "co2Field", 360, 32, 49, 6, true);
    pacMaxField_ = addNumberField(this, "pacMaxField", 360, 56, 49, 6, true);
    addLabel(this, "kg CO<sub>2</sub>", 416, 32, 0)->setFixedHeight(20);
    addLabel(this, "W", 416, 58);

    boxes_[index(SettingsSwitch::Display)] =
        ui::placeCheckBox(this, "inactiveChartBox", "Inaktives Diagramm anzeigen", QRect(16, 88, 260, 17));
    boxes_[index(SettingsSwitch::Bak)] = ui::placeCheckBox(
        this, "autoBackupBox", "Automatische Datensicherung bei Programmende", QRect(16, 112, 320, 17));

    // The double blank is how users know the caption.
    addLabelBefore(this, "Durchschnittliche Globalstrahlung  (%) Monatsmittelwert", 649, 92);
    addLabelBefore(this, "Standort:", 402, 114);
    locationField_ = ui::placeComboBox(this, "locationField", QRect(408, 112, 193, kFieldHeight));
    ui::connectGuarded(locationField_, &QComboBox::editTextChanged, this, [this] {
        if (!settingLocationQuietly_) ComboBox1Change();
    });
    auto* locations = ui::placeButton(this, "locationsButton", "...", QRect(608, 112, 41, 21),
                                      ui::ButtonLook().tip("Standorte bearbeiten"));
    ui::connectGuarded(locations, &QPushButton::clicked, this, &SettingsDialog::StandorteButtonClick);

    pacMaxField_->setText(defaults::kInitialPacMax);
    setText(SettingsField::Kwp, defaults::kInitialKwp);
    setText(SettingsField::Euro, defaults::kInitialEuro);
    setText(SettingsField::Fl, defaults::kInitialFl);
    setText(SettingsField::Prognose, defaults::kInitialPrognose);
    setText(SettingsField::Co2, defaults::kCo2Text);
    boxes_[index(SettingsSwitch::Display)]->setChecked(defaults::kInitialShowInactive);
    boxes_[index(SettingsSwitch::Bak)]->setChecked(defaults::kInitialAutoBackup);
}

QLineEdit* SettingsDialog::addDirectoryField(SettingsField field, const char* name, const QString& label,
                                             const QString& browseTitle, int top) {
    addLabel(this, label, 16, top - 16);
    QLineEdit* edit = ui::placeTextField(this, name, QRect(16, top, 265, kFieldHeight));
    edits_[index(field)] = edit;
    auto* browse = ui::placeButton(this, QString(name) + "Button", "...", QRect(288, top, 41, 21));
    ui::connectGuarded(browse, &QPushButton::clicked, this,
                       [this, field, browseTitle] { chooseDirectory(field, browseTitle); });
    return edit;
}

void SettingsDialog::buildDirectoryFields() {
    ui::placeSeparator(this, QString(), QRect(8, 138, 642, 2));
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
    setText(SettingsField::Data, pathText(context_.dirs.data));
    setText(SettingsField::Upload, pathText(context_.dirs.data));

    // "{NN}" stands literally: the caption names the two digits to type.
    addLabelBefore(this, "SMA {NN}:", 396, 202);
    QLineEdit* smaNumber = ui::placeTextField(this, "smaNumberField", QRect(400, 200, 33, kFieldHeight));
    smaNumber->setText(defaults::kInitialSmaNumber);
    smaNumber->setAlignment(Qt::AlignRight);
    edits_[index(SettingsField::SmaPar)] = smaNumber;

    addLabel(this, "Mailempfänger für Statistik", 336, 264);
    edits_[index(SettingsField::Mail)] =
        ui::placeTextField(this, "mailField", QRect(336, 280, 265, kFieldHeight));
}

void SettingsDialog::buildButtons() {
    auto* upload = ui::placeButton(this, "uploadButton", "Upload", QRect(336, 320, 79, 21));
    ui::connectGuarded(upload, &QPushButton::clicked, this, &SettingsDialog::UploadButtonClick);
    auto* autoUpload =
        ui::placeCheckBox(this, "autoUploadBox", "Automatischer Upload", QRect(418, 321, 200, 17));
    boxes_[index(SettingsSwitch::AutoLoad)] = autoUpload;
    ui::connectGuarded(autoUpload, &QCheckBox::toggled, this, &SettingsDialog::AutoUploadClick);

    ui::placeSeparator(this, QString(), QRect(8, 348, 642, 2));
    ui::placeButtons<SettingsDialog>(
        this, this,
        {
            {"okButton", "OK", QRect(16, 357, 75, 28), &SettingsDialog::OKButtonClick},
            {"cancelButton", "Abbruch", QRect(96, 357, 75, 28), &SettingsDialog::AbbruchButtonClick},
            {"backupButton", "Daten sichern", QRect(176, 357, 97, 28), &SettingsDialog::SichernButtonClick},
            {"restoreButton", "Daten rücksichern", QRect(280, 357, 113, 28),
             &SettingsDialog::RuecksichernButtonClick},
        });
}

std::string SettingsDialog::pacMax() const { return toCp1252(pacMaxField_->text()); }

std::string SettingsDialog::text(SettingsField field) const {
    if (field == SettingsField::Standort) return toCp1252(locationField_->currentText());
    return toCp1252(edits_[index(field)]->text());
}

Path SettingsDialog::pathOf(SettingsField field) const { return pathFromQt(edits_[index(field)]->text()); }

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

void SettingsDialog::setLocationNames(LocationNames names) {
    settingLocationQuietly_ = true;
    const QString text = locationField_->currentText();
    locationField_->setModel(new LocationNameModel(std::move(names), locationField_));
    locationField_->setEditText(text);
    settingLocationQuietly_ = false;
}

void SettingsDialog::chooseDirectory(SettingsField field, const QString& title) {
    const QString chosen = Dialogs::existingDirectory(this, title);
    if (chosen.isEmpty()) return;
    const Path path = pathFromQt(chosen);
    edits_[index(field)]->setText(chosen);
    // These are held by the main window and take effect at once, even after "Abbruch".
    if (field == SettingsField::Data)
        context_.dirs.data = path;
    else if (field == SettingsField::Archiv)
        context_.dirs.archive = path;
    else if (field == SettingsField::Backup)
        context_.dirs.backup = path;
}

void SettingsDialog::OKButtonClick() {
    saveSettings(*this, context_);
    hide();
}

void SettingsDialog::AbbruchButtonClick() { hide(); }

void SettingsDialog::SichernButtonClick() { backupData(context_.dirs); }

void SettingsDialog::RuecksichernButtonClick() { restoreData(context_.dirs); }

void SettingsDialog::UploadButtonClick() { uploadToday(*this); }

void SettingsDialog::Timer1Timer() { uploadToday(*this); }

void SettingsDialog::AutoUploadClick(bool on) {
    if (on)
        timer1_.start();
    else
        timer1_.stop();
}

void SettingsDialog::StandorteButtonClick() {
    if (!editor_) return;
    editor_->reloadTable();
    setLocationNames(locationNames(editor_->table()));
    ui::bringToFront(editor_);
}

void SettingsDialog::ComboBox1Change() {
    static const LocationTable kNoLocations;
    takeOverLocation(editor_ ? editor_->table() : kNoLocations, text(SettingsField::Standort),
                     context_.evaluation);
}

}  // namespace lumetra
