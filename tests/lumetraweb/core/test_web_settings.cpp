#include <gtest/gtest.h>

#include "WebSettings.h"
#include "support/TempDir.h"

namespace lumetra {
namespace {

TEST(WebSettingsFile, MissingKeysReadAsTheirDefaults) {
    test::TempDir dir;
    dir.write("LUMWEB.INI", "[SET]\r\nTIME=5\r\n");
    const auto v = loadWebSettings(webSettingsPath(dir.path()));
    ASSERT_TRUE(v);
    EXPECT_EQ(v->path, "");
    EXPECT_EQ(v->pac, "1000");
    EXPECT_EQ(v->sma, "00");
    EXPECT_EQ(v->time, "5");
    EXPECT_TRUE(v->hideInactive);
    EXPECT_TRUE(v->autoRefresh);
    EXPECT_FALSE(loadWebSettings(dir.file("FEHLT.INI")));
}

TEST(WebSettingsFile, OnlyExactlyOneTicksAnOption) {
    test::TempDir dir;
    for (const char* text : {"0", "yes", "", "11", "true"}) {
        dir.write("LUMWEB.INI", std::string("[SET]\r\nDisplay=") + text + "\r\nAUTO=" + text + "\r\n");
        const auto v = loadWebSettings(webSettingsPath(dir.path()));
        EXPECT_FALSE(v->hideInactive) << text;
        EXPECT_FALSE(v->autoRefresh) << text;
    }
}

TEST(WebSettingsFile, WritesTheSixKeysInOrder) {
    test::TempDir dir;
    saveWebSettings(webSettingsPath(dir.path()), {"http://h/pvdaten", "4600", "01", "7", true, false});
    EXPECT_EQ(dir.read("LUMWEB.INI"),
              "[SET]\r\nPATH=http://h/pvdaten\r\nPAC=4600\r\nSMA=01\r\nTIME=7\r\nDisplay=1\r\nAUTO=0\r\n");
}

TEST(WebSettingsFile, PeriodIsPulledIntoRange) {
    const std::pair<const char*, int> cases[] = {{"5", 5},  {"45", 30},   {"0", 1},
                                                 {"-3", 1}, {"zehn", 10}, {"", 10}};
    for (auto [text, minutes] : cases) EXPECT_EQ(periodMinutes(text), minutes) << text;
}

}  // namespace
}  // namespace lumetra

#include "ConnectionState.h"

namespace lumetra {
namespace {

TEST(ConnectionState, KindFollowsTheLastMatchingFlag) {
    const std::pair<int, const char*> cases[] = {
        {0, ""},
        {ConnectionFlag::Modem, "Modem"},
        {ConnectionFlag::Modem | ConnectionFlag::Lan, "LAN"},
        {ConnectionFlag::Lan | ConnectionFlag::Proxy, "Proxy"},
        {ConnectionFlag::Modem | ConnectionFlag::ModemBusy, "Modem Busy"}};
    for (auto [flags, kind] : cases) EXPECT_EQ(connectionKind(flags), kind) << flags;
    EXPECT_EQ(connectedStatusText(0), " Internetverbindung :   Internetverbindung besteht");
}

TEST(ConnectionState, ALoopbackHostCountsAsConnectedOverLan) {
    for (const char* host : {"127.0.0.1", "localhost", "[::1]", "127.1.2.3"}) {
        const ConnectionState s = SystemConnectionProbe().query(host);
        EXPECT_TRUE(s.connected) << host;
        EXPECT_TRUE(s.flags & ConnectionFlag::Lan) << host;
    }
    EXPECT_FALSE(isLoopbackHost("solar.example"));
    EXPECT_FALSE(isLoopbackHost(""));
}

}  // namespace
}  // namespace lumetra
