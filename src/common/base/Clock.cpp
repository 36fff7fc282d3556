#include "Clock.h"

#include <QDate>

namespace lumetra {

std::optional<Date> Clock::fixed_;

Date Clock::today() {
    if (fixed_) return *fixed_;
    QDate d = QDate::currentDate();
    return Date{d.year(), d.month(), d.day()};
}

void Clock::setToday(const Date& date) { fixed_ = date; }
void Clock::reset() { fixed_.reset(); }

}  // namespace lumetra
