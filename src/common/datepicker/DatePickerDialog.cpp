#include "DatePickerDialog.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "MonthCalendar.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "ui/TextListModel.h"
#include "ui/WindowKit.h"

namespace lumetra {

DatePickerDialog::DatePickerDialog(const Path& yearsDirectory, DatePickerTarget* target, QWidget* parent)
    : FixedWindow(ui::WindowSetup{"TForm11", "Datum", QSize(265, 215)}.withDesktopFont(), parent),
      model_(Clock::today()),
      target_(target) {
    yearBox_ = ui::placeComboBox(this, "yearBox", QRect(8, 8, 73, 21));
    monthBox_ = ui::placeComboBox(this, "monthBox", QRect(112, 8, 145, 21));
    for (int month = 1; month <= 12; ++month) monthBox_->addItem(fromCp1252(germanMonthName(month)));

    calendar_ = new MonthCalendar(this);
    calendar_->setObjectName("calendar");
    calendar_->setGeometry(8, 32, 248, 143);
    calendar_->setModel(&model_);

    okButton_ = ui::placeButton(this, "okButton", "OK", QRect(8, 184, 57, 25));
    cancelButton_ = ui::placeButton(this, "cancelButton", "Abbruch", QRect(72, 184, 57, 25));

    FormCreate(yearsDirectory);

    ui::connectGuarded(yearBox_, &QComboBox::editTextChanged, this, &DatePickerDialog::yearBoxChange);
    ui::connectGuarded(monthBox_, &QComboBox::editTextChanged, this, &DatePickerDialog::monthBoxChange);
    ui::connectGuarded(calendar_, &MonthCalendar::dayClicked, this, &DatePickerDialog::calendarClick);
    ui::connectGuarded(calendar_, &MonthCalendar::doubleClicked, this, &DatePickerDialog::okButtonClick);
    ui::connectGuarded(okButton_, &QPushButton::clicked, this, &DatePickerDialog::okButtonClick);
    ui::connectGuarded(cancelButton_, &QPushButton::clicked, this, &DatePickerDialog::cancelButtonClick);
}

void DatePickerDialog::FormCreate(const Path& yearsDirectory) {
    guarded([&] { yearBox_->setModel(new TextListModel(readYearList(yearsDirectory), yearBox_)); });
    const Date& today = model_.date();
    yearBox_->setCurrentIndex(-1);
    yearBox_->setEditText(QString::number(today.year));
    monthBox_->setCurrentIndex(today.month - 1);
}

// The repaint is only asked for here, so it shows the model even when the text is refused.
void DatePickerDialog::yearBoxChange(const QString& text) {
    calendar_->update();
    model_.setYearText(toCp1252(text));
}

void DatePickerDialog::monthBoxChange(const QString& text) {
    calendar_->update();
    model_.setMonthText(toCp1252(text));
}

void DatePickerDialog::calendarClick(int day) {
    model_.setDay(day);
    calendar_->update();
}

void DatePickerDialog::okButtonClick() {
    if (target_) target_->acceptDate(model_.resultText());
    hide();
}

void DatePickerDialog::cancelButtonClick() { hide(); }

}  // namespace lumetra
