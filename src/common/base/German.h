#pragma once
// Fixed German regional conventions: decimal comma, short date dd.mm.yyyy,
// German month and weekday names. Failing conversions throw the runtime's messages.
// Texts in and out are Windows-1252: "März" is four bytes, its "ä" the single byte 0xE4.
#include <string>
#include <string_view>

namespace lumetra {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const Date&, const Date&) = default;
};

// Text to number under German settings: decimal comma, blanks around, sign, exponent.
double strToFloat(std::string_view text);
// Blanks before, sign, digits; "$" introduces hex digits.
int strToInt(std::string_view text);
// d.m.y, d.m (current year); two-digit years fall into today's year -50 … +49.
Date strToDate(std::string_view text, const Date& today);
Date strToDate(std::string_view text);  // uses Clock::today()

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);
// Throws "Ungültiges Argument zum Codieren des Datums" for an impossible day or a year outside 1…9999.
Date encodeDate(int year, int month, int day);
// 0 = Sunday … 6 = Saturday.
int dayOfWeek(const Date& date);

std::string formatDate(const Date& date);    // dd.mm.yyyy
std::string formatDateId(const Date& date);  // yyyymmdd

// Windows-1252 texts.
std::string germanMonthName(int month);       // 1 … 12: "Januar" … "Dezember"
std::string germanShortWeekday(int weekday);  // 0 = Sunday: "So" … "Sa"

}  // namespace lumetra
