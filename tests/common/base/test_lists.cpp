#include <gtest/gtest.h>

#include "base/DelimitedLineList.h"
#include "base/Errors.h"
#include "support/TempDir.h"

using namespace lumetra;

TEST(LineFields, Read) {
    struct Case {
        const char* line;
        int field;
        const char* text;
    };
    const Case cases[] = {
        {"20080415;15.04.2008;12,5", 0, "20080415"},
        {"20080415;15.04.2008;12,5", 1, "15.04.2008"},
        {"20080415;15.04.2008;12,5", 2, "12,5"},
        {"20080415;15.04.2008;12,5", 5, ""},
        {"ohne", 0, "ohne"},
        {"ohne", 2, ""},
        {"a;;c", 1, ""},
        {"a;b;", 2, ""},
        {"", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(lineField(c.line, c.field), c.text) << c.line << " #" << c.field;
}

TEST(LineFields, Write) {
    struct Case {
        const char* line;
        int field;
        const char* text;
        const char* result;
    };
    const Case cases[] = {
        {"x", 2, "new", "x;;new"}, {"", 1, "new", ";new"},     {"a;b;c", 1, "new", "a;new;c"},
        {"a;b;c", 0, "", ";b;c"},  {"a;b;c", 2, "z", "a;b;z"}, {"a;b;c;d", 3, "", "a;b;c;"},
    };
    for (const auto& c : cases) EXPECT_EQ(withLineField(c.line, c.field, c.text), c.result) << c.line;
}

TEST(LineSplitting, LineEndsAndNul) {
    using V = std::vector<std::string>;
    struct Case {
        std::string bytes;
        V lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {"ab\r\ncd\r", {"ab", "cd"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitLines(c.bytes), c.lines) << c.bytes;
        // Read in pieces, a cut may fall inside a CR LF or a line.
        for (std::size_t cut = 0; cut <= c.bytes.size(); ++cut) {
            LineSplitter splitter;
            splitter.feed(std::string_view(c.bytes).substr(0, cut));
            splitter.feed(std::string_view(c.bytes).substr(cut));
            EXPECT_EQ(splitter.finish(), c.lines) << c.bytes << " cut at " << cut;
        }
    }
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(DelimitedLineList, SortedLoadIgnoresCaseAndKeepsEqualLinesInOrder) {
    DelimitedLineList list;
    list.loadFromBytes("b;1\nB;1\na\n20080102\r\n20080101;x\nA;2\n");
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"20080101;x", "20080102", "a", "A;2", "b;1", "B;1"}));
    list.addSorted("B;0");
    EXPECT_EQ(list.line(4), "B;0");
    list.appendLine("0");
    EXPECT_EQ(list.line(list.count() - 1), "0");
}

TEST(DelimitedLineList, UnsortedKeepsFileOrder) {
    DelimitedLineList list(DelimitedLineList::Order::Unsorted);
    list.loadFromBytes("z\na\nm");
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"z", "a", "m"}));
    list.addSorted("b");
    EXPECT_EQ(list.line(3), "b");
}

TEST(DelimitedLineList, EditingAndIndexErrors) {
    DelimitedLineList list;
    list.appendLine("1;a;b");
    list.setField(0, 2, "c");
    list.setField(5, 1, "ignored");
    EXPECT_EQ(list.line(0), "1;a;c");
    EXPECT_EQ(list.field(0, 1), "a");
    try {
        list.line(3);
        FAIL();
    } catch (const LumetraError& e) {
        EXPECT_EQ(utf8FromCp1252(e.what()), "Der Index der Liste überschreitet das Maximum (3)");
    }
    EXPECT_THROW(list.remove(-1), LumetraError);
    list.remove(0);
    EXPECT_EQ(list.count(), 0);
}

TEST(DelimitedLineList, AnyLineSurvivesLoadAndSave) {
    test::TempDir dir;
    std::string odd = "20080415;15.04.2008;12,5\n\n1.5.2008;x;y;z\r\nM\xFCnchen;\xE4;1\rohne Ende";
    dir.write("DATEN.DAT", odd);
    DelimitedLineList list;
    list.loadFromFile(dir.file("DATEN.DAT"));
    list.saveToFile(dir.file("DATEN.DAT"));
    EXPECT_EQ(dir.read("DATEN.DAT"),
              "\r\n1.5.2008;x;y;z\r\n20080415;15.04.2008;12,5\r\nM\xFCnchen;\xE4;1\r\nohne Ende\r\n");
}

TEST(DelimitedLineList, LargeAndEmptyFiles) {
    test::TempDir dir;
    std::string big;
    for (int i = 99999; i >= 0; --i) big += std::to_string(1000000 + i) + ";x;1\n";
    dir.write("big", big);
    dir.write("empty", "");
    DelimitedLineList list;
    list.loadFromFile(dir.file("big"));
    ASSERT_EQ(list.count(), 100000);
    EXPECT_EQ(list.field(0, 0), "1000000");
    EXPECT_EQ(list.field(99999, 0), "1099999");
    list.loadFromFile(dir.file("empty"));
    EXPECT_EQ(list.count(), 0);
}
