#include <gtest/gtest.h>

#include <algorithm>

#include "CookieJar.h"

namespace lumetra {
namespace {

constexpr std::time_t kNow = 1215993600;  // 14.07.2008

TEST(CookieJar, MatchesHostPathAndExpiry) {
    CookieJar jar;
    jar.takeSetCookie("sid=1", "pv.example", "/pvdaten/08071500.suo", kNow);  // host only, path /pvdaten
    jar.takeSetCookie("dom=2; Domain=.example; Path=/", "pv.example", "/x", kNow);  // whole domain
    jar.takeSetCookie("kurz=3; Max-Age=60", "pv.example", "/", kNow);
    jar.takeSetCookie("alt=4; Expires=Wed, 09 Jun 2004 10:18:14 GMT", "pv.example", "/", kNow);
    jar.takeSetCookie("fremd=5; Domain=other.example", "pv.example", "/", kNow);  // not ours to set

    EXPECT_EQ(jar.cookieHeader("pv.example", "/pvdaten/x.suo", kNow), "sid=1; dom=2; kurz=3");
    EXPECT_EQ(jar.cookieHeader("PV.EXAMPLE", "/pvdatenarchiv/x", kNow), "dom=2; kurz=3");
    EXPECT_EQ(jar.cookieHeader("www.example", "/pvdaten/x.suo", kNow), "dom=2");
    EXPECT_EQ(jar.cookieHeader("pv.example", "/pvdaten/x.suo", kNow + 61), "sid=1; dom=2");
    EXPECT_EQ(jar.cookieHeader("elsewhere", "/", kNow), "");
}

TEST(CookieJar, ReplacesAndDeletesByNameDomainAndPath) {
    CookieJar jar;
    jar.takeSetCookie("sid=1; Path=/", "pv", "/", kNow);
    jar.takeSetCookie("sid=2; Path=/", "pv", "/", kNow);
    EXPECT_EQ(jar.cookieHeader("pv", "/a", kNow), "sid=2");
    jar.takeSetCookie("sid=; Path=/; Max-Age=0", "pv", "/", kNow);
    EXPECT_EQ(jar.cookieHeader("pv", "/a", kNow), "");
}

TEST(CookieJar, TakesEveryCookieOfASetCookie2List) {
    CookieJar jar;
    jar.takeSetCookie2("a=\"1\"; Version=\"1\"; Path=\"/\", b=\"x,y\"; Version=1; Path=/", "pv", "/", kNow);
    EXPECT_EQ(jar.cookieHeader("pv", "/", kNow), "a=1; b=x,y");
}

TEST(CookieJar, AMaxAgeAtTheEndOfTheClockKeepsTheCookie) {
    CookieJar jar;
    jar.takeSetCookie("sid=1; Max-Age=9223372036854775807", "pv", "/", kNow);
    EXPECT_EQ(jar.cookieHeader("pv", "/", kNow + 400LL * 24 * 3600 * 365), "sid=1");
}

TEST(CookieJar, IgnoresACookieWhoseNameOrValueHoldsAControlCharacter) {
    using namespace std::string_literals;
    for (const std::string& bad :
         {"sid=a\rX-Mehr: 1"s, "sid=a\nb"s, "sid=a\0b"s, "s\x7Fid=1"s, "s\x01d=1"s}) {
        CookieJar jar;
        jar.takeSetCookie("alt=1", "pv", "/", kNow);
        jar.takeSetCookie(bad + "; Path=/", "pv", "/", kNow);
        EXPECT_EQ(jar.cookieHeader("pv", "/", kNow), "alt=1") << bad;
    }
    CookieJar jar;
    jar.takeSetCookie("sid=a\tb", "pv", "/", kNow);
    EXPECT_EQ(jar.cookieHeader("pv", "/", kNow), "sid=a\tb");
}

// A server may send any number of cookies; the jar keeps what common clients keep, so the
// Cookie line of later requests stays bounded.
TEST(CookieJar, KeepsAtMostFiftyCookiesForAHostDroppingTheOldest) {
    CookieJar jar;
    for (int round = 0; round < 10; ++round)
        for (int i = 0; i < 1000; ++i)
            jar.takeSetCookie(
                "c" + std::to_string(round * 1000 + i) + "=" + std::string(10, 'v') + "; Path=/",
                "pv.example", "/", kNow);
    const std::string header = jar.cookieHeader("pv.example", "/", kNow);
    EXPECT_EQ(std::count(header.begin(), header.end(), '='), 50);
    EXPECT_EQ(header.substr(0, 17), "c9950=vvvvvvvvvv;");
    EXPECT_EQ(header.substr(header.size() - 16), "c9999=vvvvvvvvvv");
    EXPECT_LE(jar.size(), 50u);
}

TEST(CookieJar, ADomainCookieCountsForEveryHostItIsSentTo) {
    CookieJar jar;
    jar.takeSetCookie("alt=1; Domain=example; Path=/", "a.example", "/", kNow);
    for (int i = 0; i < 50; ++i) jar.takeSetCookie("b" + std::to_string(i) + "=1", "b.example", "/", kNow);
    // b.example gets its own 50; the domain cookie was the oldest of them and went.
    EXPECT_EQ(jar.cookieHeader("a.example", "/", kNow), "");
    const std::string header = jar.cookieHeader("b.example", "/", kNow);
    EXPECT_EQ(std::count(header.begin(), header.end(), '='), 50);
}

TEST(CookieJar, IgnoresACookieOverFourKilobytes) {
    CookieJar jar;
    const std::string fits = "n=" + std::string(4095, 'v');  // name and value 4096 bytes
    jar.takeSetCookie(fits, "pv", "/", kNow);
    jar.takeSetCookie("gross=" + std::string(4092, 'v'), "pv", "/", kNow);
    EXPECT_EQ(jar.cookieHeader("pv", "/", kNow), fits);
}

}  // namespace
}  // namespace lumetra
