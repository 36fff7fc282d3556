#include "settings/LocationEditor.h"

#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "settings/LocationTableModel.h"
#include "settings/PvgisReader.h"
#include "settings/SettingsDialog.h"
#include "ui/Dialogs.h"
#include "ui/WindowKit.h"

namespace lumetra {
namespace {

constexpr int kFieldHeight = 21;
constexpr int kYieldField = 13;

}  // namespace

LocationEditor::LocationEditor(AppContext& context, SettingsDialog& settings, QWidget* parent)
    : FixedWindow({"TForm3", "Lumetra - Globalstrahlung", QSize(670, 368)}, parent),
      context_(context),
      settings_(settings) {
    buildFields();
    buildList();

    ui::placeButtons<LocationEditor>(
        this, this,
        {
            {"addButton", "Hinzufügen", QRect(566, 16, 75, 25), &LocationEditor::HinzufuegenClick},
            {"changeButton", "Ändern", QRect(566, 48, 75, 25), &LocationEditor::AendernClick},
            {"deleteButton", "Löschen", QRect(566, 80, 75, 25), &LocationEditor::LoeschenClick},
            {"cancelButton", "Abbruch", QRect(566, 112, 75, 25), &LocationEditor::AbbruchClick},
            {"pvgisButton", "PVGIS...", QRect(566, 144, 75, 25), &LocationEditor::PvgisClick},
        });

    settings_.setLocationEditor(this);
    guarded([&] { loadLocationsAtStartUp(table_, settings_, context_); });
    showTable();
    updateScrollRange();
}

namespace {

QLineEdit* addNumberField(QWidget* parent, const QString& name, int left, int top, int width, int maxLength,
                          bool decimal) {
    QLineEdit* edit =
        ui::placeNumberField(parent, name, QRect(left, top, width, kFieldHeight), maxLength, decimal);
    edit->setText("0");
    return edit;
}

}  // namespace

void LocationEditor::buildFields() {
    const ui::LabelLook right = ui::LabelLook().align(Qt::AlignRight);
    ui::placeLabel(this, QString(), "Durchschnittliche Globalstrahlung - Monatsmittelwert in %",
                   QRect(16, 12, 0, 16), ui::LabelLook().bold());

    ui::placeLabel(this, QString(), "Standort:", QRect(8, 42, 52, 16), right);
    fields_[0] = ui::placeTextField(this, "nameField", QRect(64, 40, 225, kFieldHeight));
    ui::placeLabel(this, QString(), "kWh/kWp, Jahr", QRect(298, 42, 0, 16));
    fields_[kYieldField] = addNumberField(this, "yieldField", 392, 40, 65, 4, false);

    static const char* const kMonths[12] = {
        "Januar:", "Februar:", "März:",      "April:",   "Mai:",      "Juni:",
        "Juli:",   "August:",  "September:", "Oktober:", "November:", "Dezember:"};
    const int lefts[3] = {64, 200, 328};
    for (int m = 0; m < 12; ++m) {
        const int left = lefts[m / 4];
        const int top = 72 + 24 * (m % 4);
        const int labelWidth = m < 4 ? 56 : 72;
        ui::placeLabel(this, QString(), QString::fromUtf8(kMonths[m]),
                       QRect(left - labelWidth - 4, top + 2, labelWidth, 16), right);
        fields_[static_cast<std::size_t>(m + 1)] =
            addNumberField(this, QString("monthField%1").arg(m + 1), left, top, 41, 6, true);
        ui::placeLabel(this, QString(), "%", QRect(left + 45, top + 2, 0, 16));
    }

    ui::placeLabel(this, QString(), "Standort:", QRect(12, 177, 0, 16));
    const char* const letters = "JFMAMJJASOND";
    for (int m = 0; m < 12; ++m)
        ui::placeLabel(this, QString(), QString(QChar(letters[m])), QRect(166 + 40 * m, 177, 0, 16));
}

void LocationEditor::buildList() {
    QFrame* panel = ui::placeBlackPanel(this, "listPanel", QRect(8, 192, 637, 169));
    QPalette black = panel->palette();
    black.setColor(QPalette::Base, Qt::black);
    black.setColor(QPalette::Text, Qt::white);
    panel->setPalette(black);

    model_ = new LocationTableModel(table_, kLocationFieldCount, this);
    list_ = new QTableView(panel);
    list_->setObjectName("locationList");
    list_->setModel(model_);
    list_->setGeometry(2, 2, 633, 165);
    list_->setPalette(black);
    list_->setFrameStyle(QFrame::NoFrame);
    list_->setShowGrid(false);
    list_->horizontalHeader()->hide();
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setMinimumSectionSize(16);
    list_->verticalHeader()->setDefaultSectionSize(16);
    list_->setColumnWidth(0, 150);
    for (int c = 1; c <= 12; ++c) list_->setColumnWidth(c, 40);
    list_->setColumnWidth(kYieldField, 50);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui::connectGuarded(list_, &QTableView::clicked, this,
                       [this](const QModelIndex& index) { ListClick(index.row()); });
    ui::connectGuarded(list_, &QTableView::doubleClicked, this,
                       [this](const QModelIndex& index) { ListDblClick(index.row()); });

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName("ScrollBar1");
    scrollBar_->setGeometry(648, 192, 17, 169);
    ui::connectGuarded(scrollBar_, &QScrollBar::valueChanged, this, &LocationEditor::ScrollBar1Change);
}

void LocationEditor::showTable() { model_->refresh(); }

void LocationEditor::updateScrollRange() { scrollBar_->setRange(0, std::max(0, table_.count() - 1)); }

void LocationEditor::reloadTable() {
    reloadLocations(table_, context_.dirs.data);
    showTable();
}

LocationFields LocationEditor::fieldTexts() const {
    LocationFields texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = toCp1252(fields_[i]->text());
    return texts;
}

void LocationEditor::ListClick(int row) {
    rememberedRow_ = row;
    scrollBar_->setValue(row);
}

void LocationEditor::ListDblClick(int row) {
    ListClick(row);
    if (row < 0 || row >= table_.count()) return;
    for (int c = 0; c < kLocationFieldCount; ++c)
        fields_[static_cast<std::size_t>(c)]->setText(fromCp1252(table_.field(row, c)));
}

// The list shows a change whose file could not be written all the same.
void LocationEditor::HinzufuegenClick() {
    ui::thenAlways(
        [&] {
            if (!addLocation(table_, fieldTexts(), settings_, context_.dirs.data)) return;
            fields_[0]->clear();
            for (std::size_t i = 1; i < fields_.size(); ++i) fields_[i]->setText("0");
            updateScrollRange();
        },
        [&] { showTable(); });
}

void LocationEditor::AendernClick() {
    ui::thenAlways(
        [&] { changeLocation(table_, rememberedRow_, fieldTexts(), settings_, context_.dirs.data); },
        [&] { showTable(); });
}

void LocationEditor::LoeschenClick() {
    ui::thenAlways(
        [&] {
            const int selected = list_->selectionModel()->hasSelection() ? list_->currentIndex().row() : -1;
            deleteLocation(table_, selected, settings_, context_.dirs.data);
            updateScrollRange();
        },
        [&] { showTable(); });
}

void LocationEditor::AbbruchClick() { hide(); }

void LocationEditor::PvgisClick() {
    const QString path = Dialogs::openFileName(this, QString::fromUtf8("PVGIS-Datei öffnen"),
                                               qtPath(context_.dirs.data), "PVGIS-Datei (*.json *.JSON)");
    if (path.isEmpty()) return;
    // Read whole before any field changes, so a bad file leaves the fields as they were.
    const LocationFields texts = readPvgisFile(pathFromQt(path));
    if (fields_[0]->text().isEmpty()) fields_[0]->setText(fromCp1252(texts[0]));
    for (std::size_t i = 1; i < fields_.size(); ++i) fields_[i]->setText(fromCp1252(texts[i]));
}

void LocationEditor::ScrollBar1Change(int value) {
    if (value >= 0 && value < model_->rowCount()) list_->selectRow(value);
}

}  // namespace lumetra
