#include <gtest/gtest.h>

#include "dayfile/DayFileName.h"

using lumetra::DayFileName;

TEST(DayFileName, TakesDateCharactersAndTheSmaNumberAsEntered) {
    struct Case {
        const char* date;
        const char* sma;
        const char* name;
    };
    const Case cases[] = {
        {"15.07.2008", "00", "08071500.suo"},   {"05.01.2009", "00", "09010500.suo"},
        {"05.01.2009", "1", "0901051.suo"},     {"05.03.2009", "", "090305.suo"},
        {"05.03.2009", "123", "090305123.suo"}, {"", "00", "00.suo"},
    };
    for (const auto& c : cases) EXPECT_EQ(DayFileName(c.date, c.sma), c.name) << c.date << "/" << c.sma;
}
