#include <gtest/gtest.h>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "base/Files.h"
#include "reporting/ReportFiles.h"
#include "reporting/RtfReader.h"
#include "reporting/RtfWriter.h"
#include "support/TempDir.h"

namespace lumetra {
namespace {

using Lines = std::vector<std::string>;

std::string u(const char* utf8) { return cp1252FromUtf8(utf8); }

std::string fixture(const std::string& name) {
    return readFile(std::string(LUMETRA_TEST_DATA) + "/rtf/" + name);
}

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const LumetraError& e) {
        return e.what();
    }
    return "<no error>";
}

TEST(Rtf, WriterThenReaderGivesTheSameLines) {
    const Lines lines = {"",
                         "   Z\xE4hlerstand:___",
                         u("   Tagesübersicht äöüÄÖÜß € “x”"),
                         "{braces} and \\backslash\\",
                         "col\tumn",
                         "  ",
                         "",
                         "last"};
    EXPECT_EQ(RtfReader::read(RtfWriter::write(lines)), lines);
    EXPECT_EQ(RtfReader::read(RtfWriter::write({})), Lines{});
}

TEST(Rtf, WriterIsSevenBitWithCourierNew) {
    const std::string rtf = RtfWriter::write({u("Tagesübersicht")});
    EXPECT_NE(rtf.find("\\ansicpg1252"), std::string::npos);
    EXPECT_NE(rtf.find("Courier New;"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs20"), std::string::npos);
    EXPECT_NE(rtf.find("Tages\\'fcbersicht\\par"), std::string::npos);
    for (unsigned char c : rtf) EXPECT_LT(c, 0x80);
}

// The same lines, as word processors write them (LibreOffice files made by its converter).
TEST(Rtf, ReadsWhatWordProcessorsWrite) {
    const Lines sample = {"",
                          "   Durchschnittlicher Tagesenergieertrag:        12.34 kWh        ",
                          "",
                          u("   Tagesübersicht"),
                          "   Tag: 01          20.00 kWh         9.35 Euro        13.24 kg CO2",
                          u("   Zählerstand:_____________________"),
                          u("   Größe {x} \\ Ende")};
    struct Case {
        const char* file;
        Lines expected;
    } cases[] = {
        {"libreoffice_report.rtf", sample},
        {"wordpad_style_report.rtf", sample},  // written by hand after that program's habits
        {"libreoffice_breaks.rtf", {"Erste Zeile", u("zweite Zeile mit März"), u("Spalte zwei € 5 “x”")}},
    };
    for (const Case& c : cases) EXPECT_EQ(parseReportFile(fixture(c.file)), c.expected) << c.file;
}

TEST(Rtf, ReaderControlWordsAndGroups) {
    struct Case {
        const char* rtf;
        Lines expected;
    } cases[] = {
        {R"({\rtf1 a\line b\tab c\par})", {"a", "b\tc"}},
        {R"({\rtf1 \uc2 x\u8364\'80\'80y\par})", {"x\x80y"}},  // two fallback bytes skipped
        {R"({\rtf1 {\uc0 \u252}\u246?\par})", {"\xFC\xF6"}},   // \uc0: nothing to skip
        {R"({\rtf1 \u-4064?\par})", {"?"}},                    // no Windows-1252 form
        {R"({\rtf1 {\*\unknown hidden}{\fonttbl{\f0 Arial;}}shown\par})", {"shown"}},
        {R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}\par})", {"link"}},
        {R"({\rtf1 a\bin3 }{\b\par})", {"ab"}},  // "}{\" are binary bytes, not read
        {R"({\rtf1 \{\}\\\~\_\-z})", {"{}\\\xA0-z"}},
        {"{\\rtf1 a\\\r\nb}", {"a", "b"}},
        {"  \r\n{\\rtf1\\ansi line}\r\n\0", {"line"}},
        {R"({\rtf1 \lquote\rquote\ldblquote\rdblquote\endash\emdash\bullet\par})",
         {"\x91\x92\x93\x94\x96\x97\x95"}},
        {R"({\rtf1\ansi\deff0 {\b fett}{\i  kursiv}\par\par})", {"fett kursiv", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(RtfReader::read(c.rtf), c.expected) << c.rtf;
}

TEST(Rtf, MalformedRtfCannotBeLoaded) {
    const std::string message = u("Das Laden des Streams ist mißlungen");
    const char* cases[] = {
        R"({\rtf1 abc)",  // groups never closed
        R"({\rtf1 {\b abc}\par)",
        R"({\rtf1 a\'zz})",  // bad hex escape
        R"({\rtf1 a\'f)",
        "{\\rtf1 a\\",           // cut off after a backslash
        R"({\rtf1 \bin99 ab})",  // binary data beyond the end
    };
    for (const char* rtf : cases) EXPECT_EQ(errorOf([&] { parseReportFile(rtf); }), message) << rtf;
    EXPECT_EQ(errorOf([&] { parseReportFile(std::string("MZ\x90\0\x03", 5)); }), message);
}

TEST(Rtf, PlainTextIsReadLineByLine) {
    struct Case {
        std::string bytes;
        Lines expected;
    } cases[] = {
        {"eins\r\nzwei\r\n", {"eins", "zwei"}},
        {"eins\nzwei", {"eins", "zwei"}},
        {"\r\n\r\nz\xE4hler\r", {"", "", "z\xE4hler"}},
        {"\xEF\xBB\xBFM\xC3\xA4rz\n", {"M\xE4rz"}},  // UTF-8 with a byte order mark
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(parseReportFile(c.bytes), c.expected) << c.bytes;
}

TEST(ReportFiles, SaveAndLoad) {
    test::TempDir dir;
    const Lines lines = {"", u("   Zählerstand:___")};
    saveReportFile(dir.file("a.PVS"), lines);
    EXPECT_EQ(loadReportFile(dir.file("a.PVS")), lines);
    saveReportFile(dir.file("a.PVS"), {"neu"});  // replaces the old file
    EXPECT_EQ(loadReportFile(dir.file("a.PVS")), Lines{"neu"});
}

TEST(ReportFiles, Failures) {
    test::TempDir dir;
    const std::string missingDir = dir.file("fehlt/b.PVS");
    EXPECT_EQ(errorOf([&] { saveReportFile(missingDir, {"x"}); }),
              "Datei " + missingDir + " kann nicht erstellt werden");
    dir.mkdir("ordner.PVS");
    EXPECT_EQ(errorOf([&] { saveReportFile(dir.file("ordner.PVS"), {"x"}); }),
              "Datei " + dir.file("ordner.PVS") + " kann nicht erstellt werden");
    EXPECT_EQ(errorOf([&] { loadReportFile(dir.file("c.PVS")); }),
              "Datei " + dir.file("c.PVS") + u(" kann nicht geöffnet werden"));
}

}  // namespace
}  // namespace lumetra
