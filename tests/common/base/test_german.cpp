#include <gtest/gtest.h>

#include <cmath>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "base/German.h"
#include "support/ErrorText.h"
#include "support/GermanNumericLocale.h"

using namespace lumetra;

using test::errorOf;

TEST(German, FloatAcceptedForms) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"12,5", 12.5}, {"0", 0},    {"  -3,25", -3.25}, {"+7", 7},  {"1,5E3", 1500},
        {"2e-2", 0.02}, {",5", 0.5}, {"5,", 5},          {" 4 ", 4}, {"0,4675", 0.4675},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(strToFloat(c.text), c.value) << c.text;
}

TEST(German, FloatRejectedFormsGiveTheRuntimeMessage) {
    for (const char* text :
         {"", " ", "1.5", "12,5 kWh", "abc", "1,2,3", "-", "1E", "inf", "0x10", ",", "1e999"}) {
        EXPECT_EQ(errorOf([&] { strToFloat(text); }),
                  std::string("'") + text + "' ist kein gültiger Gleitkommawert")
            << text;
    }
}

TEST(German, IntegerAcceptedAndRejected) {
    struct Case {
        const char* text;
        int value;
    };
    const Case good[] = {{"950", 950}, {"  -12", -12}, {"+3", 3},
                         {"$1F", 31},  {"007", 7},     {"2147483647", 2147483647}};
    for (const auto& c : good) EXPECT_EQ(strToInt(c.text), c.value) << c.text;
    for (const char* text : {"", "12 ", "1,5", "x", "2147483648", "$", "$G"}) {
        EXPECT_EQ(errorOf([&] { strToInt(text); }),
                  std::string("'") + text + "' ist kein gültiger Integerwert")
            << text;
    }
}

TEST(German, DateAcceptedForms) {
    const Date today{2026, 12, 10};
    struct Case {
        const char* text;
        Date date;
    };
    const Case cases[] = {
        {"15.04.2008", {2008, 4, 15}}, {"15.4.08", {2008, 4, 15}},     {"1.5.2008", {2008, 5, 1}},
        {"29.02.2000", {2000, 2, 29}}, {"15.04", {2026, 4, 15}},       {"01.01.76", {1976, 1, 1}},
        {"01.01.75", {2075, 1, 1}},    {"31.12.1900", {1900, 12, 31}},
    };
    for (const auto& c : cases) EXPECT_EQ(strToDate(c.text, today), c.date) << c.text;
}

TEST(German, DateRejectedForms) {
    const Date today{2026, 12, 10};
    for (const char* text : {"", "31.04.2008", "29.02.2100", "2008-04-15", "15/04/2008", "15.04.2008x",
                             "123.04.2008", "15..2008", "Datum", "00.01.2008", "15.13.2008"}) {
        EXPECT_EQ(errorOf([&] { strToDate(text, today); }),
                  std::string("'") + text + "' ist kein gültiges Datum")
            << text;
    }
}

TEST(German, CalendarFacts) {
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2100, 2), 28);
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(2023, 4), 30);
    EXPECT_EQ(dayOfWeek({2008, 7, 15}), 2);  // a Tuesday
    EXPECT_EQ(dayOfWeek({2026, 12, 10}), 4);
    EXPECT_EQ(formatDate({2009, 3, 5}), "05.03.2009");
    EXPECT_EQ(formatDateId({2008, 4, 15}), "20080415");
    EXPECT_EQ(utf8FromCp1252(germanMonthName(3)), "März");
    EXPECT_EQ(germanShortWeekday(0), "So");
    EXPECT_EQ(errorOf([] { encodeDate(2008, 2, 30); }), "Ungültiges Argument zum Codieren des Datums");
    EXPECT_EQ(errorOf([] { encodeDate(10000, 1, 1); }), "Ungültiges Argument zum Codieren des Datums");
}

TEST(German, FloatingPointFaultsAreExplicit) {
    EXPECT_DOUBLE_EQ(checkedDivide(1, 4), 0.25);
    EXPECT_EQ(errorOf([] { checkedDivide(1, 0); }), "Gleitkommadivision durch Null");
    EXPECT_EQ(errorOf([] { checkedDivide(0, 0); }), "Ungültige Gleitkommaoperation");
}

TEST(Cp1252, RoundTripsEveryByte) {
    std::string all;
    for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
    EXPECT_EQ(fromCp1252("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(cp1252FromUtf8("München"), "M\xFCnchen");
    EXPECT_EQ(cp1252FromUtf8("Zählerstand €"), "Z\xE4hlerstand \x80");
    EXPECT_EQ(toCp1252(QString::fromUtf8("日")), "?");
}

TEST(German, FloatIgnoresTheProcessLocale) {
    test::GermanNumericLocale german;
    if (!german.ok()) GTEST_SKIP() << "no German locale to be had";
    const struct {
        const char* text;
        double value;
    } cases[] = {{"10,5", 10.5}, {"0,4675", 0.4675}, {"-3,25e1", -32.5}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(strToFloat(c.text), c.value) << c.text;
    EXPECT_EQ(strToFloat("1e-999"), 0.0);
    EXPECT_EQ(errorOf([] { strToFloat("1e999"); }), "'1e999' ist kein gültiger Gleitkommawert");
}
