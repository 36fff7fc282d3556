#include <gtest/gtest.h>

#include "dayfile/DayFileName.h"
#include "support/ErrorText.h"

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

// The name is joined to the SMA, archive and upload directories; it must not leave them.
TEST(DayFileName, RefusesSmaNumbersThatLeaveTheDirectory) {
    const std::string numbers[] = {"00/../../escaped", "/", ".."};
    for (const std::string& sma : numbers) {
        if (sma == "..") {
            EXPECT_EQ(DayFileName("15.07.2008", sma), "080715...suo");  // a plain name still
            continue;
        }
        EXPECT_EQ(lumetra::test::errorOf([&] { DayFileName("15.07.2008", sma); }),
                  "Ungültige SMA-Nummer '" + sma + "'");
    }
}
