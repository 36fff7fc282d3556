#include <gtest/gtest.h>

#include <QImage>

#include "base/Errors.h"
#include "daycurve/DayOnShow.h"
#include "support/TempDir.h"

using namespace lumetra;

namespace {

std::string summerDay() {
    QFile f(QString(LUMETRA_TEST_DATA) + "/dayfiles/08071500.suo");
    f.open(QIODevice::ReadOnly);
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

QImage panelPicture() {
    QImage image(449, 232, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

struct Dirs {
    test::TempDir sma, archive;
};

}  // namespace

TEST(PacMaxFromField, TakesGermanNumbersAndRefusesZero) {
    EXPECT_DOUBLE_EQ(pacMaxFromField("4600,5"), 4600.5);
    EXPECT_DOUBLE_EQ(pacMaxFromField("5000"), 5000.0);
    EXPECT_DOUBLE_EQ(pacMaxFromField("-5000"), -5000.0);
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"4600.5", "'4600.5' ist kein g\xFCltiger Gleitkommawert"},
        {"", "'' ist kein g\xFCltiger Gleitkommawert"},
        {"0", "PAC max darf nicht 0 sein"},
        {"0,0", "PAC max darf nicht 0 sein"},
    };
    for (const auto& c : cases) {
        try {
            pacMaxFromField(c.text);
            ADD_FAILURE() << "no error for '" << c.text << "'";
        } catch (const LumetraError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(ArchivePictureName, TakesYearMonthDayOfTheDateText) {
    EXPECT_EQ(archivePictureName("15.07.2008"), "TW_080715.bmp");
    EXPECT_EQ(archivePictureName("05.01.2009"), "TW_090105.bmp");
}

TEST(DayOnShow, ArchivesTheDayFileLineForLineAndItsPicture) {
    Dirs d;
    // LF only and no line end after the last line: the copy ends every line in CR LF.
    d.sma.write("08071500.suo", "K1\nK2\nK3\nK4\nK5\n15.07.2008 12:00;0;2500\n15.07.2008 12:10;0;2600");
    DayOnShow show;
    show.readSmaDay(d.sma.path(), "00", "15.07.2008", 5000.0);
    ASSERT_TRUE(show.archivable());
    EXPECT_EQ(show.day().curve[71], 50);

    EXPECT_TRUE(show.archive(d.archive.path(), panelPicture()));
    EXPECT_EQ(d.archive.read("08071500.suo"),
              "K1\r\nK2\r\nK3\r\nK4\r\nK5\r\n15.07.2008 12:00;0;2500\r\n15.07.2008 12:10;0;2600\r\n");
    const QImage picture(QString::fromStdString(d.archive.file("TW_080715.bmp")), "BMP");
    EXPECT_EQ(picture.size(), QSize(449, 232));
}

TEST(DayOnShow, CopyOfACrLfDayFileIsByteForByte) {
    Dirs d;
    const std::string bytes = summerDay();
    d.sma.write("08071500.suo", bytes);
    DayOnShow show;
    show.readSmaDay(d.sma.path(), "00", "15.07.2008", 5000.0);
    ASSERT_TRUE(show.archive(d.archive.path(), panelPicture()));
    EXPECT_EQ(d.archive.read("08071500.suo"), bytes);
}

TEST(DayOnShow, NothingArchivableNeverTouchesTheArchive) {
    Dirs d;
    d.sma.write("08071500.suo", summerDay());
    d.archive.write("08071500.suo", "archiviert");
    d.archive.write("TW_080715.bmp", "bild");

    struct Case {
        const char* what;
        std::function<void(DayOnShow&)> read;
    };
    const Case cases[] = {
        {"nothing read yet", [](DayOnShow&) {}},
        {"day file missing", [&](DayOnShow& s) { s.readSmaDay(d.sma.path(), "00", "16.07.2008", 5000.0); }},
        {"read from the archive",
         [&](DayOnShow& s) { s.readArchived(d.archive.file("08071500.suo"), 5000.0); }},
        {"good read, then a missing one",
         [&](DayOnShow& s) {
             s.readSmaDay(d.sma.path(), "00", "15.07.2008", 5000.0);
             s.readSmaDay(d.sma.path(), "01", "15.07.2008", 5000.0);
         }},
    };
    for (const auto& c : cases) {
        DayOnShow show;
        c.read(show);
        EXPECT_FALSE(show.archivable()) << c.what;
        EXPECT_FALSE(show.archive(d.archive.path(), panelPicture())) << c.what;
        EXPECT_EQ(d.archive.read("08071500.suo"), "archiviert") << c.what;
        EXPECT_EQ(d.archive.read("TW_080715.bmp"), "bild") << c.what;
    }
}

TEST(DayOnShow, UnreadableDayFileLeavesNothingArchivable) {
    Dirs d;
    d.sma.write("08071500.suo", summerDay());
    DayOnShow show;
    show.readSmaDay(d.sma.path(), "00", "15.07.2008", 5000.0);
    ASSERT_TRUE(show.archivable());
    // Root reads every file whatever its mode; this one exists and fails on read.
    ASSERT_TRUE(QFile::link("/proc/self/mem", QString::fromStdString(d.sma.file("08071600.suo"))));
    EXPECT_THROW(show.readSmaDay(d.sma.path(), "00", "16.07.2008", 5000.0), LumetraError);
    EXPECT_FALSE(show.archivable());
    EXPECT_EQ(show.day().lines.count(), 0);
}

TEST(DayOnShow, ArchiveFilesAreNamedAfterTheDayReadWithItsSmaNumber) {
    Dirs d;
    d.sma.write("08071501.suo", summerDay());
    DayOnShow show;
    show.readSmaDay(d.sma.path(), "01", "15.07.2008", 5000.0);
    ASSERT_TRUE(show.archive(d.archive.path(), panelPicture()));
    EXPECT_TRUE(d.archive.exists("08071501.suo"));
    EXPECT_TRUE(d.archive.exists("TW_080715.bmp"));
}

TEST(DayOnShow, MissingArchiveDirectoryFailsBeforeThePicture) {
    Dirs d;
    d.sma.write("08071500.suo", summerDay());
    DayOnShow show;
    show.readSmaDay(d.sma.path(), "00", "15.07.2008", 5000.0);
    const std::string missing = d.archive.file("fehlt");
    try {
        show.archive(missing, panelPicture());
        FAIL() << "no error";
    } catch (const LumetraError& e) {
        EXPECT_EQ(std::string(e.what()), "Datei " + missing + "/08071500.suo kann nicht erstellt werden");
    }
    EXPECT_FALSE(d.archive.exists("fehlt"));
}

TEST(DayOnShow, BadPacMaxChangesNothing) {
    Dirs d;
    d.sma.write("08071500.suo", summerDay());
    DayOnShow show;
    show.readSmaDay(d.sma.path(), "00", "15.07.2008", 5000.0);
    const auto before = show.day().curve;
    EXPECT_THROW(show.readSmaDay(d.sma.path(), "00", "16.07.2008", 0.0), LumetraError);
    EXPECT_THROW(show.readArchived(d.sma.file("08071500.suo"), 0.0), LumetraError);
    EXPECT_EQ(show.day().curve, before);
    EXPECT_TRUE(show.archivable());
    EXPECT_EQ(show.dateText(), "15.07.2008");
}
