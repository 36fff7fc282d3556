#include <gtest/gtest.h>

#include <functional>

#include "base/Cp1252.h"
#include "base/ErrorReporter.h"
#include "base/Errors.h"
#include "base/German.h"

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

// A conversion message quotes at most the first 100 characters of the text, so a huge
// field cannot blow up the error dialog.
TEST(ErrorText, ConversionMessageQuotesAtMostAHundredCharacters) {
    const std::string huge(1 << 20, '7');
    const std::string hundred(100, '7');
    struct Case {
        const char* what;
        std::function<void(std::string_view)> convert;
        std::string_view message;
    };
    const Case cases[] = {
        {"float", [](std::string_view t) { strToFloat(t); }, msg::NotAFloat},
        {"integer", [](std::string_view t) { strToInt(t); }, msg::NotAnInteger},
        {"date",
         [](std::string_view t) {
             strToDate(t, Date{2024, 1, 1});
         },
         msg::NotADate},
    };
    for (const auto& c : cases) {
        for (const std::string& text : {huge + "x", std::string("1,5x")}) {
            try {
                c.convert(text);
                ADD_FAILURE() << c.what << " accepted a bad text";
            } catch (const LumetraError& e) {
                const std::string got = e.what();
                ASSERT_LT(got.size(), 200u) << c.what;  // not the whole field
                EXPECT_EQ(got, formatMessage(c.message, text.size() > 100 ? hundred + "\x85" : text))
                    << c.what;
            }
        }
    }
    // Exactly 100 characters are quoted whole.
    EXPECT_EQ(quotedText(hundred), hundred);
    EXPECT_EQ(quotedText(hundred + "8"), hundred + "\x85");
}
