#include "German.h"

#include <locale.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "Clock.h"
#include "Cp1252.h"
#include "Errors.h"

namespace lumetra {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double strToFloat(std::string_view text) {
    // Shape check first: the number readers alone would take "inf", hex and a "." point.
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    std::string normal;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') normal.push_back('-');  // from_chars takes no '+'
        ++i;
    }
    std::size_t digits = 0;
    while (i < n && isDigit(text[i])) {
        normal.push_back(text[i++]);
        ++digits;
    }
    if (i < n && text[i] == ',') {
        normal.push_back('.');
        ++i;
        while (i < n && isDigit(text[i])) {
            normal.push_back(text[i++]);
            ++digits;
        }
    }
    bool ok = digits > 0;
    if (ok && i < n && (text[i] == 'e' || text[i] == 'E')) {
        normal.push_back('e');
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) normal.push_back(text[i++]);
        std::size_t expDigits = 0;
        while (i < n && isDigit(text[i])) {
            normal.push_back(text[i++]);
            ++expDigits;
        }
        ok = expDigits > 0;
    }
    while (i < n && text[i] == ' ') ++i;
    if (!ok || i != n) fail(msg::NotAFloat, quotedText(text));
    // Neither reads LC_NUMERIC, which Qt sets from the session: a German one made plain strtod
    // stop at the ".". from_chars is also far quicker, and the evaluation parses every line on
    // every run; strtod_l decides what is out of range (overflow fails, underflow gives 0).
    double value = 0;
    const char* end = normal.data() + normal.size();
    if (auto [ptr, ec] = std::from_chars(normal.data(), end, value); ec == std::errc() && ptr == end)
        return value;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    errno = 0;
    value = strtod_l(normal.c_str(), nullptr, cLocale);
    if (errno == ERANGE && std::isinf(value)) fail(msg::NotAFloat, quotedText(text));
    return value;
}

int strToInt(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    }
    long long value = 0;
    std::size_t digits = 0;
    for (; i < n; ++i, ++digits) {
        char c = text[i];
        int d;
        if (isDigit(c))
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            break;
        value = value * base + d;
        if (value > 0x100000000LL) break;
    }
    if (digits == 0 || i != n) fail(msg::NotAnInteger, quotedText(text));
    if (base == 16 && value <= 0xFFFFFFFFLL && !negative)
        return static_cast<int>(static_cast<unsigned int>(value));  // hex wraps into the sign bit
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        fail(msg::NotAnInteger, quotedText(text));
    return static_cast<int>(value);
}

Date strToDate(std::string_view text, const Date& today) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto number = [&](int& out, std::size_t maxDigits) -> std::size_t {
        std::size_t count = 0;
        out = 0;
        while (i < n && isDigit(text[i]) && count < maxDigits) {
            out = out * 10 + (text[i++] - '0');
            ++count;
        }
        return count;
    };
    while (i < n && text[i] == ' ') ++i;
    int day = 0, month = 0, year = today.year;
    bool ok = number(day, 2) > 0 && i < n && text[i++] == '.' && number(month, 2) > 0;
    if (ok && i < n && text[i] == '.') {
        ++i;
        std::size_t yearDigits = number(year, 4);
        if (yearDigits == 0) {
            ok = false;
        } else if (yearDigits <= 2) {
            // Two-digit years: the window from 50 years before to 49 after this year.
            int candidate = today.year / 100 * 100 + year;
            if (candidate < today.year - 50)
                candidate += 100;
            else if (candidate > today.year + 49)
                candidate -= 100;
            year = candidate;
        }
    }
    while (ok && i < n && text[i] == ' ') ++i;
    if (!ok || i != n || !isValidDate(year, month, day)) fail(msg::NotADate, quotedText(text));
    return Date{year, month, day};
}

Date strToDate(std::string_view text) { return strToDate(text, Clock::today()); }

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

Date encodeDate(int year, int month, int day) {
    if (!isValidDate(year, month, day)) fail(msg::BadDateArgument);
    return Date{year, month, day};
}

int dayOfWeek(const Date& date) {
    // Sakamoto's method; 0 = Sunday.
    static constexpr std::array<int, 12> t = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = date.year - (date.month < 3 ? 1 : 0);
    return (y + y / 4 - y / 100 + y / 400 + t[static_cast<std::size_t>(date.month - 1)] + date.day) % 7;
}

namespace {
std::string padded(int value, int width) {
    std::string s = std::to_string(value);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
    return s;
}
}  // namespace

std::string formatDate(const Date& date) {
    return padded(date.day, 2) + "." + padded(date.month, 2) + "." + padded(date.year, 4);
}

std::string formatDateId(const Date& date) {
    return padded(date.year, 4) + padded(date.month, 2) + padded(date.day, 2);
}

std::string germanMonthName(int month) {
    static constexpr std::array<std::string_view, 12> kNames = {
        "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    if (month < 1 || month > 12) return {};
    return cp1252FromUtf8(kNames[static_cast<std::size_t>(month - 1)]);
}

std::string germanShortWeekday(int weekday) {
    static constexpr std::array<std::string_view, 7> kNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    if (weekday < 0 || weekday > 6) return {};
    return std::string(kNames[static_cast<std::size_t>(weekday)]);
}

}  // namespace lumetra
