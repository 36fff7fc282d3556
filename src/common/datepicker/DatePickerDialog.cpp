#include "DatePickerDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "MonthCalendar.h"
#include "base/Clock.h"
#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "ui/TextListModel.h"

namespace lumetra {

DatePickerDialog::DatePickerDialog(const std::string& yearsDirectory, DatePickerTarget* target,
                                   QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      model_(Clock::today()),
      target_(target) {
    setObjectName("TForm11");
    setWindowTitle("Datum");
    setFixedSize(265, 215);

    yearBox_ = new QComboBox(this);
    yearBox_->setObjectName("yearBox");
    yearBox_->setEditable(true);
    yearBox_->setInsertPolicy(QComboBox::NoInsert);
    yearBox_->setGeometry(8, 8, 73, 21);

    monthBox_ = new QComboBox(this);
    monthBox_->setObjectName("monthBox");
    monthBox_->setEditable(true);
    monthBox_->setInsertPolicy(QComboBox::NoInsert);
    monthBox_->setGeometry(112, 8, 145, 21);
    for (int month = 1; month <= 12; ++month) monthBox_->addItem(fromCp1252(germanMonthName(month)));

    calendar_ = new MonthCalendar(this);
    calendar_->setObjectName("calendar");
    calendar_->setGeometry(8, 32, 248, 143);
    calendar_->setModel(&model_);

    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("okButton");
    okButton_->setGeometry(8, 184, 57, 25);
    cancelButton_ = new QPushButton("Abbruch", this);
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setGeometry(72, 184, 57, 25);

    FormCreate(yearsDirectory);

    connect(yearBox_, &QComboBox::editTextChanged, this, &DatePickerDialog::yearBoxChange);
    connect(monthBox_, &QComboBox::editTextChanged, this, &DatePickerDialog::monthBoxChange);
    connect(calendar_, &MonthCalendar::dayClicked, this, &DatePickerDialog::calendarClick);
    connect(calendar_, &MonthCalendar::doubleClicked, this, &DatePickerDialog::okButtonClick);
    connect(okButton_, &QPushButton::clicked, this, &DatePickerDialog::okButtonClick);
    connect(cancelButton_, &QPushButton::clicked, this, &DatePickerDialog::cancelButtonClick);
}

void DatePickerDialog::FormCreate(const std::string& yearsDirectory) {
    guarded([&] { yearBox_->setModel(new TextListModel(readYearList(yearsDirectory), yearBox_)); });
    const Date& today = model_.date();
    yearBox_->setCurrentIndex(-1);
    yearBox_->setEditText(QString::number(today.year));
    monthBox_->setCurrentIndex(today.month - 1);
}

void DatePickerDialog::yearBoxChange(const QString& text) {
    guarded([&] { model_.setYearText(toCp1252(text)); });
    calendar_->update();
}

void DatePickerDialog::monthBoxChange(const QString& text) {
    guarded([&] { model_.setMonthText(toCp1252(text)); });
    calendar_->update();
}

void DatePickerDialog::calendarClick(int day) {
    model_.setDay(day);
    calendar_->update();
}

void DatePickerDialog::okButtonClick() {
    guarded([&] {
        if (target_) target_->acceptDate(model_.resultText());
        hide();
    });
}

void DatePickerDialog::cancelButtonClick() { hide(); }

}  // namespace lumetra
