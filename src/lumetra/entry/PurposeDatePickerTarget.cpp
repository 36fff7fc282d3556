#include "PurposeDatePickerTarget.h"

namespace lumetra {

void PurposeDatePickerTarget::acceptDate(const std::string& dateText) {
    if (context_.datePickerPurpose == kPurposeDayDate) {
        if (!context_.main) return;
        context_.main->setSelectedDateText(dateText);
        context_.main->WeiterBerechnung();
    } else if (context_.datePickerPurpose == kPurposeCalendar) {
        if (entryDateField_) entryDateField_->acceptDate(dateText);
    }
}

}  // namespace lumetra
