#include "ManualEntryDialog.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "LineListView.h"
#include "PurposeDatePickerTarget.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "ui/WindowKit.h"

namespace lumetra {
ManualEntryDialog::ManualEntryDialog(AppContext& context, QWidget* parent)
    : FixedWindow({"TForm5", "Lumetra - Datenerfassung", QSize(300, 239)}, parent),
      context_(context),
      logic_(context) {
    ui::placeLabel(this, QString(), "Datum:", QRect(8, 11, 0, 0));
    dateEdit_ = new QLineEdit(this);
    dateEdit_->setObjectName("dateEdit");
    dateEdit_->setInputMask("99.99.9999;_");
    dateEdit_->setAlignment(Qt::AlignRight);
    dateEdit_->setGeometry(104, 8, 73, 21);
    auto* pickerButton = ui::placeButton(this, "pickerButton", "...", QRect(184, 8, 33, 21));

    ui::placeLabel(this, QString(), "Erbrachte Energie:", QRect(8, 35, 0, 0));
    energyEdit_ = new QLineEdit("0", this);
    energyEdit_->setObjectName("energyEdit");
    energyEdit_->setAlignment(Qt::AlignRight);
    energyEdit_->setMaxLength(12);
    energyEdit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*(,[0-9]*)?"), energyEdit_));
    energyEdit_->setGeometry(104, 32, 73, 21);
    ui::placeLabel(this, QString(), "kWh", QRect(180, 35, 0, 0));

    ui::placeLabel(this, QString(), "Datum", QRect(11, 65, 0, 0));
    ui::placeLabel(this, QString(), "Energie", QRect(113, 65, 0, 0));
    list_ = new LineListView(this, context_.yields, {0, 100, 70}, "listView", QRect(8, 80, 175, 153),
                             QRect(187, 80, 17, 153));

    newButton_ = ui::placeButton(this, "newButton", "Neu", QRect(216, 80, 75, 25));
    addButton_ = ui::placeButton(this, "addButton", "Hinzufügen", QRect(216, 112, 75, 25));
    changeButton_ = ui::placeButton(this, "changeButton", "Ändern", QRect(216, 144, 75, 25));
    deleteButton_ = ui::placeButton(this, "deleteButton", "Löschen", QRect(216, 176, 75, 25));
    okButton_ = ui::placeButton(this, "okButton", "OK", QRect(216, 208, 75, 25));

    ui::connectGuarded(pickerButton, &QPushButton::clicked, this, &ManualEntryDialog::pickerButtonClick);
    ui::connectGuarded(newButton_, &QPushButton::clicked, this, &ManualEntryDialog::newButtonClick);
    ui::connectGuarded(addButton_, &QPushButton::clicked, this, &ManualEntryDialog::addButtonClick);
    ui::connectGuarded(changeButton_, &QPushButton::clicked, this, &ManualEntryDialog::changeButtonClick);
    ui::connectGuarded(deleteButton_, &QPushButton::clicked, this, &ManualEntryDialog::deleteButtonClick);
    ui::connectGuarded(okButton_, &QPushButton::clicked, this, &ManualEntryDialog::okButtonClick);
    ui::connectGuarded(list_, &LineListView::rowClicked, this, &ManualEntryDialog::listViewClick);
    ui::connectGuarded(list_, &LineListView::rowDoubleClicked, this, &ManualEntryDialog::listViewDblClick);

    FormCreate();
}

void ManualEntryDialog::FormCreate() {
    guarded([&] { logic_.fillFromFileIfExists(); });
    dateEdit_->setText(fromCp1252(formatDate(Clock::today())));
    list_->refresh();
    showState();
}

void ManualEntryDialog::openFromMainWindow() {
    ui::thenAlways([&] { logic_.fillFromFileIfExists(); },
                   [&] {
                       list_->refresh();
                       ui::bringToFront(this);
                   });
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
    ui::thenAlways([&] { action(now); },
                   [&] {
                       showFields(now, before);
                       if (listChanges) list_->refresh();
                       showState();
                   });
}

void ManualEntryDialog::showState() {
    const EntryButtons& b = logic_.buttons();
    addButton_->setEnabled(b.add);
    changeButton_->setEnabled(b.change);
    deleteButton_->setEnabled(b.remove);
}

void ManualEntryDialog::pickerButtonClick() {
    context_.datePickerPurpose = kPurposeCalendar;
    ui::bringToFront(datePicker_);
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
    if (context_.main) context_.main->WeiterBerechnung();
    hide();
}

void ManualEntryDialog::listViewClick(int row) {
    logic_.rowClicked(row);
    showState();
}

void ManualEntryDialog::listViewDblClick(int row) {
    runOnFields([&](EntryFields& f) { logic_.rowDoubleClicked(row, f); }, false);
}

}  // namespace lumetra
