#include <gtest/gtest.h>

#include "evaluation/FormatFixed.h"
#include "support/GermanNumericLocale.h"

using namespace lumetra;

TEST(FormatFixed, Examples) {
    struct Case {
        double value;
        int width;
        const char* suffix;
        const char* text;
    };
    const Case cases[] = {
        {1234.5, 8, " kWh", " 1234.50 kWh"},
        {0, 10, " Euro", "      0.00 Euro"},
        {-12.345, 8, " kg", "  -12.35 kg"},
        {123456789.25, 8, " kWh", "123456789.25 kWh"},  // wider than the field: never cut
        {0.135, 8, "", "    0.14"},
        {9.345, 8, "", "    9.35"},  // 9.3450000000000006395 in binary
        {2.675, 8, "", "    2.67"},  // 2.6749999999999998224 in binary
        {0.004, 8, "", "    0.00"},
        {-0.001, 8, "", "    0.00"},
        {99.995, 8, "", "  100.00"},
        {9.35, 8, " Euro", "    9.35 Euro"},
        {13.24, 8, " kg CO2", "   13.24 kg CO2"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFixed(c.value, c.width, c.suffix), c.text) << c.value;
}

TEST(FormatFixed, PointWhateverTheProcessLocale) {
    test::GermanNumericLocale german;
    if (!german.ok()) GTEST_SKIP() << "no German locale to be had";
    EXPECT_EQ(FormatFixed(1234.5, 8, " kWh"), " 1234.50 kWh");
    EXPECT_EQ(FormatFixed(-12.345, 8, " kg"), "  -12.35 kg");
}
