#pragma once
// "Today" comes from here, so tests can set any date.
#include <optional>

#include "German.h"

namespace lumetra {

class Clock {
public:
    static Date today();
    static void setToday(const Date& date);  // tests
    static void reset();

private:
    static std::optional<Date> fixed_;
};

}  // namespace lumetra
