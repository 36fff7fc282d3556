#pragma once
// The date picker (TForm11), shared by both programs. Created once, shown modeless; it keeps
// its state between showings. A confirmed date goes to the target the program plugs in.
#include "base/DatePicker.h"
#include "ui/FixedWindow.h"

class QComboBox;
class QPushButton;

namespace lumetra {

class MonthCalendar;

class DatePickerDialog : public ui::FixedWindow {
    Q_OBJECT
public:
    // `yearsDirectory` is where JAHRE.DAT is looked for; `target` is not owned and may be set later.
    explicit DatePickerDialog(const Path& yearsDirectory, DatePickerTarget* target = nullptr,
                              QWidget* parent = nullptr);

    void setTarget(DatePickerTarget* target) { target_ = target; }
    const DatePickerModel& model() const { return model_; }

    // Handlers, public for tests.
    void yearBoxChange(const QString& text);
    void monthBoxChange(const QString& text);
    void calendarClick(int day);
    void okButtonClick();
    void cancelButtonClick();

private:
    void FormCreate(const Path& yearsDirectory);

    DatePickerModel model_;
    DatePickerTarget* target_;
    QComboBox* yearBox_;
    QComboBox* monthBox_;
    MonthCalendar* calendar_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace lumetra
