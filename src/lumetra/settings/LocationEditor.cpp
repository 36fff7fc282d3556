#include "settings/LocationEditor.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "settings/DialogControls.h"
#include "settings/LocationTableModel.h"
#include "settings/SettingsDialog.h"
#include "ui/WindowFont.h"

namespace lumetra {
namespace {

constexpr int kFieldHeight = 21;
constexpr int kYieldField = 13;

}  // namespace

LocationEditor::LocationEditor(AppContext& context, SettingsDialog& settings, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), context_(context), settings_(settings) {
    setObjectName("TForm3");
    setWindowTitle("Lumetra - Globalstrahlung");
    setFixedSize(670, 368);
    setFont(windowFont());
    buildFields();
    buildList();

    const std::array<std::pair<const char*, const char*>, 4> buttons{{{"addButton", "Hinzufügen"},
                                                                      {"changeButton", "Ändern"},
                                                                      {"deleteButton", "Löschen"},
                                                                      {"cancelButton", "Abbruch"}}};
    const std::array<void (LocationEditor::*)(), 4> handlers{
        &LocationEditor::HinzufuegenClick, &LocationEditor::AendernClick, &LocationEditor::LoeschenClick,
        &LocationEditor::AbbruchClick};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(buttons[i].second, this);
        button->setObjectName(buttons[i].first);
        button->setGeometry(566, 16 + 32 * static_cast<int>(i), 75, 25);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handlers[i]);
    }

    settings_.setLocationEditor(this);
    guarded([&] { loadLocationsAtStartUp(table_, settings_, context_); });
    showTable();
    updateScrollRange();
}

QLineEdit* LocationEditor::addNumberField(const QString& name, int left, int top, int width, int maxLength,
                                          bool decimal) {
    QLineEdit* edit = makeNumberField(this, name, maxLength, decimal);
    edit->setText("0");
    edit->setGeometry(left, top, width, kFieldHeight);
    return edit;
}

void LocationEditor::buildFields() {
    auto* heading = addLabel(this, "Durchschnittliche Globalstrahlung - Monatsmittelwert in %", 16, 12);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setFixedWidth(heading->sizeHint().width());

    addLabel(this, "Standort:", 8, 42, 52, Qt::AlignRight);
    fields_[0] = new QLineEdit(this);
    fields_[0]->setObjectName("nameField");
    fields_[0]->setGeometry(64, 40, 225, kFieldHeight);
    addLabel(this, "kWh/kWp, Jahr", 298, 42);
    fields_[kYieldField] = addNumberField("yieldField", 392, 40, 65, 4, false);

    static const char* const kMonths[12] = {
        "Januar:", "Februar:", "März:",      "April:",   "Mai:",      "Juni:",
        "Juli:",   "August:",  "September:", "Oktober:", "November:", "Dezember:"};
    const int lefts[3] = {64, 200, 328};
    for (int m = 0; m < 12; ++m) {
        const int left = lefts[m / 4];
        const int top = 72 + 24 * (m % 4);
        const int labelWidth = m < 4 ? 56 : 72;
        addLabel(this, kMonths[m], left - labelWidth - 4, top + 2, labelWidth, Qt::AlignRight);
        fields_[static_cast<std::size_t>(m + 1)] =
            addNumberField(QString("monthField%1").arg(m + 1), left, top, 41, 6, true);
        addLabel(this, "%", left + 45, top + 2);
    }

    addLabel(this, "Standort:", 12, 177);
    const char* const letters = "JFMAMJJASOND";
    for (int m = 0; m < 12; ++m) addLabel(this, QString(QChar(letters[m])), 166 + 40 * m, 177);
}

void LocationEditor::buildList() {
    auto* panel = new QFrame(this);
    panel->setObjectName("listPanel");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 192, 637, 169);
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
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
    connect(list_, &QTableView::clicked, this, [this](const QModelIndex& index) { ListClick(index.row()); });
    connect(list_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { ListDblClick(index.row()); });

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName("ScrollBar1");
    scrollBar_->setGeometry(648, 192, 17, 169);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &LocationEditor::ScrollBar1Change);
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

void LocationEditor::HinzufuegenClick() {
    guarded([&] {
        if (!addLocation(table_, fieldTexts(), settings_, context_.dirs.data)) return;
        fields_[0]->clear();
        for (std::size_t i = 1; i < fields_.size(); ++i) fields_[i]->setText("0");
        updateScrollRange();
    });
    showTable();  // the list keeps a change whose file could not be written
}

void LocationEditor::AendernClick() {
    guarded([&] { changeLocation(table_, rememberedRow_, fieldTexts(), settings_, context_.dirs.data); });
    showTable();
}

void LocationEditor::LoeschenClick() {
    guarded([&] {
        const int selected = list_->selectionModel()->hasSelection() ? list_->currentIndex().row() : -1;
        deleteLocation(table_, selected, settings_, context_.dirs.data);
        updateScrollRange();
    });
    showTable();
}

void LocationEditor::AbbruchClick() { hide(); }

void LocationEditor::ScrollBar1Change(int value) {
    if (value >= 0 && value < model_->rowCount()) list_->selectRow(value);
}

}  // namespace lumetra
