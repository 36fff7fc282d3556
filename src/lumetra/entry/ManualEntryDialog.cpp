#include "ManualEntryDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "LineListView.h"
#include "PurposeDatePickerTarget.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "ui/WindowFont.h"

namespace lumetra {
namespace {

QLabel* label(QWidget* parent, const char* utf8Text, int left, int top) {
    auto* l = new QLabel(QString::fromUtf8(utf8Text), parent);
    l->move(left, top);
    l->adjustSize();
    return l;
}

QPushButton* button(QWidget* parent, const char* utf8Text, const char* name, int top) {
    auto* b = new QPushButton(QString::fromUtf8(utf8Text), parent);
    b->setObjectName(name);
    b->setGeometry(216, top, 75, 25);
    return b;
}

}  // namespace

ManualEntryDialog::ManualEntryDialog(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), context_(context), logic_(context) {
    setObjectName("TForm5");
    setWindowTitle("Lumetra - Datenerfassung");
    setFixedSize(300, 239);
    setFont(windowFont());

    label(this, "Datum:", 8, 11);
    dateEdit_ = new QLineEdit(this);
    dateEdit_->setObjectName("dateEdit");
    dateEdit_->setInputMask("99.99.9999;_");
    dateEdit_->setAlignment(Qt::AlignRight);
    dateEdit_->setGeometry(104, 8, 73, 21);
    auto* pickerButton = new QPushButton("...", this);
    pickerButton->setObjectName("pickerButton");
    pickerButton->setGeometry(184, 8, 33, 21);

    label(this, "Erbrachte Energie:", 8, 35);
    energyEdit_ = new QLineEdit("0", this);
    energyEdit_->setObjectName("energyEdit");
    energyEdit_->setAlignment(Qt::AlignRight);
    energyEdit_->setMaxLength(12);
    energyEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*(,[0-9]*)?"), energyEdit_));
    energyEdit_->setGeometry(104, 32, 73, 21);
    label(this, "kWh", 180, 35);

    label(this, "Datum", 11, 65);
    label(this, "Energie", 113, 65);
    list_ = new LineListView(this, context_.yields, {0, 100, 70}, "listView", QRect(8, 80, 175, 153),
                             QRect(187, 80, 17, 153));

    newButton_ = button(this, "Neu", "newButton", 80);
    addButton_ = button(this, "Hinzufügen", "addButton", 112);
    changeButton_ = button(this, "Ändern", "changeButton", 144);
    deleteButton_ = button(this, "Löschen", "deleteButton", 176);
    okButton_ = button(this, "OK", "okButton", 208);

    connect(pickerButton, &QPushButton::clicked, this, &ManualEntryDialog::pickerButtonClick);
    connect(newButton_, &QPushButton::clicked, this, &ManualEntryDialog::newButtonClick);
    connect(addButton_, &QPushButton::clicked, this, &ManualEntryDialog::addButtonClick);
    connect(changeButton_, &QPushButton::clicked, this, &ManualEntryDialog::changeButtonClick);
    connect(deleteButton_, &QPushButton::clicked, this, &ManualEntryDialog::deleteButtonClick);
    connect(okButton_, &QPushButton::clicked, this, &ManualEntryDialog::okButtonClick);
    connect(list_, &LineListView::rowClicked, this, &ManualEntryDialog::listViewClick);
    connect(list_, &LineListView::rowDoubleClicked, this, &ManualEntryDialog::listViewDblClick);

    FormCreate();
}

void ManualEntryDialog::FormCreate() {
    guarded([&] { logic_.fillFromFileIfExists(); });
    dateEdit_->setText(fromCp1252(formatDate(Clock::today())));
    list_->refresh();
    showState();
}

void ManualEntryDialog::openFromMainWindow() {
    guarded([&] { logic_.fillFromFileIfExists(); });
    list_->refresh();
    show();
    raise();
    activateWindow();
}

void ManualEntryDialog::acceptDate(const std::string& dateText) { dateEdit_->setText(fromCp1252(dateText)); }

EntryFields ManualEntryDialog::fields() const {
    // Unfilled mask places stay blanks, so a half-typed date keeps its positions and fails
    // the conversion instead of being stored as "1.04.2008".
    EntryFields f{toCp1252(dateEdit_->displayText().replace(QLatin1Char('_'), QLatin1Char(' '))),
                  toCp1252(energyEdit_->text())};
    if (f.date.find_first_not_of(". ") == std::string::npos) f.date.clear();
    return f;
}

void ManualEntryDialog::showFields(const EntryFields& now, const EntryFields& before) {
    // Only touch what changed: re-setting a half-typed masked text would move its digits.
    if (now.date != before.date) dateEdit_->setText(fromCp1252(now.date));
    if (now.energy != before.energy) energyEdit_->setText(fromCp1252(now.energy));
}

template <typename Action>
void ManualEntryDialog::runOnFields(Action&& action, bool listChanges) {
    const EntryFields before = fields();
    EntryFields now = before;
    guarded([&] { action(now); });
    showFields(now, before);
    if (listChanges) list_->refresh();
    showState();
}

void ManualEntryDialog::showState() {
    const EntryButtons& b = logic_.buttons();
    addButton_->setEnabled(b.add);
    changeButton_->setEnabled(b.change);
    deleteButton_->setEnabled(b.remove);
}

void ManualEntryDialog::pickerButtonClick() {
    context_.datePickerPurpose = kPurposeCalendar;
    if (!datePicker_) return;
    datePicker_->show();
    datePicker_->raise();
    datePicker_->activateWindow();
}

void ManualEntryDialog::newButtonClick() {
    runOnFields([&](EntryFields& f) { logic_.neu(f); }, false);
}

void ManualEntryDialog::addButtonClick() {
    runOnFields([&](EntryFields& f) { logic_.add(f); }, true);
}

void ManualEntryDialog::changeButtonClick() {
    runOnFields([&](EntryFields& f) { logic_.change(f); }, true);
}

void ManualEntryDialog::deleteButtonClick() {
    const int row = list_->selectedRow();
    runOnFields([&](EntryFields&) { logic_.remove(row); }, true);
}

void ManualEntryDialog::okButtonClick() {
    guarded([&] {
        if (context_.main) context_.main->WeiterBerechnung();
        hide();
    });
}

void ManualEntryDialog::listViewClick(int row) {
    logic_.rowClicked(row);
    showState();
}

void ManualEntryDialog::listViewDblClick(int row) {
    runOnFields([&](EntryFields& f) { logic_.rowDoubleClicked(row, f); }, false);
}

}  // namespace lumetra
