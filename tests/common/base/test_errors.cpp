#include <gtest/gtest.h>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Errors.h"

using namespace lumetra;

TEST(ErrorText, CompletionRule) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"Fehler", "Fehler."},
        {"Fehler.", "Fehler."},
        {"Frage?", "Frage?."},       // '?' sorts after '.'
        {"Abbruch!", "Abbruch!"},    // '!' sorts before '.'
        {"Liste (3)", "Liste (3)"},  // ')' sorts before '.'
        {"'' ist kein gültiger Gleitkommawert", "'' ist kein gültiger Gleitkommawert."},
        {"Ende -", "Ende -"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(completeErrorText(c.in), c.out) << c.in;
}

TEST(ErrorText, GuardReportsCompletedTextAndGoesOn) {
    RecordingReporter recorder;
    bool after = false;
    EXPECT_FALSE(guarded([] { fail(msg::NotAFloat, "x"); }));
    EXPECT_TRUE(guarded([&] { after = true; }));
    ASSERT_EQ(recorder.errors.size(), 1u);
    EXPECT_EQ(utf8FromCp1252(recorder.errors[0]), "'x' ist kein gültiger Gleitkommawert.");
    EXPECT_TRUE(after);
}

TEST(ErrorText, MessageArgumentKeepsItsBytes) {
    EXPECT_EQ(formatMessage(msg::CannotCreate, "/tmp/M\xFCnchen/DATEN.DAT"),
              "Datei /tmp/M\xFCnchen/DATEN.DAT kann nicht erstellt werden");
    EXPECT_EQ(utf8FromCp1252(formatMessage(msg::ListIndex, "7")),
              "Der Index der Liste überschreitet das Maximum (7)");
}
