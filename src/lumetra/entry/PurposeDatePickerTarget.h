#pragma once
// Where the desktop program's date picker puts a confirmed date: the purpose word that the
// opener set decides ("Tagesdatum": the main window's day, "Kalender": the entry date field).
#include "base/DatePicker.h"
#include "data/AppContext.h"

namespace lumetra {

inline constexpr const char* kPurposeDayDate = "Tagesdatum";
inline constexpr const char* kPurposeCalendar = "Kalender";

class PurposeDatePickerTarget : public DatePickerTarget {
public:
    // `entryDateField` (not owned) is the manual entry dialog's date field; may be set later.
    explicit PurposeDatePickerTarget(AppContext& context, DatePickerTarget* entryDateField = nullptr)
        : context_(context), entryDateField_(entryDateField) {}

    void setEntryDateField(DatePickerTarget* field) { entryDateField_ = field; }
    void acceptDate(const std::string& dateText) override;

private:
    AppContext& context_;
    DatePickerTarget* entryDateField_;
};

}  // namespace lumetra
