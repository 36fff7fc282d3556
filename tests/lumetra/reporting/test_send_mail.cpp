#include <QFile>
#include <QSignalSpy>

#include "PreviewFixture.h"
#include "reporting/ReportFiles.h"
#include "reporting/SendMail.h"

namespace lumetra {
namespace {

using test::demoReportInput;

// A fake xdg-email first on PATH that records its arguments, one a line.
class SendMailTest : public test::PreviewFixture {
protected:
    SendMailTest() : oldPath_(qgetenv("PATH")) {
        bin.mkdir("bin");
        qputenv("PATH", QByteArray::fromStdString(bin.file("bin")) + ":" + oldPath_);
        ctx.initialSettings.mailText = "pv@example.org";
    }
    ~SendMailTest() override { qputenv("PATH", oldPath_); }

    void fakeXdgEmail(const std::string& tail = "exit 0") {
        const std::string script = bin.file("bin/xdg-email");
        bin.write("bin/xdg-email",
                  "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"${0%/*}/args.txt\"\n" +
                      tail + "\n");
        QFile::setPermissions(fromCp1252(script), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    void onlyEmptyPath() { qputenv("PATH", QByteArray::fromStdString(bin.file("bin"))); }
    QStringList recordedArgs() const {
        return QString::fromStdString(bin.read("bin/args.txt")).split(u'\n', Qt::SkipEmptyParts);
    }
    // Waits until the hand-off started by "Versenden" is over.
    bool waitForMail() {
        MailHandOff* handOff = window->lastMailHandOff();
        if (!handOff) return false;
        QSignalSpy finished(handOff, &MailHandOff::finished);
        return finished.wait(10000);
    }

    test::TempDir bin;

private:
    QByteArray oldPath_;
};

TEST_F(SendMailTest, HandsRecipientSubjectAndAttachmentToXdgEmail) {
    fakeXdgEmail();
    window->showReport(demoReportInput());
    run(&PrintPreviewWindow::sendClick);
    EXPECT_FALSE(window->isEnabled());  // until xdg-email is through
    ASSERT_TRUE(waitForMail());
    EXPECT_TRUE(window->isEnabled());

    const QString attachment = fromCp1252(data.file("Statistik_Juli_2008.RTF"));
    EXPECT_EQ(recordedArgs(), (QStringList{"--utf8", "--subject", "PV - Statistik: Juli 2008", "--attach",
                                           attachment, "pv@example.org"}));
    EXPECT_EQ(loadReportFile(data.file("Statistik_Juli_2008.RTF")), window->document().lines);
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());

    // Sending the same month again replaces the file.
    Dialogs::setNextFileName(fromCp1252(data.file("kurz.PVS")));
    data.write("kurz.PVS", "nur eine Zeile\r\n");
    run(&PrintPreviewWindow::openClick);
    run(&PrintPreviewWindow::sendClick);
    ASSERT_TRUE(waitForMail());
    EXPECT_EQ(loadReportFile(data.file("Statistik_Juli_2008.RTF")),
              std::vector<std::string>{"nur eine Zeile"});
}

TEST_F(SendMailTest, MonthAndYearComeFromTheMainWindow) {
    fakeXdgEmail();
    window->setMonthSource([] { return MonthAndYear{cp1252FromUtf8("März"), "2009"}; });
    window->showReport(demoReportInput());
    run(&PrintPreviewWindow::sendClick);
    ASSERT_TRUE(waitForMail());
    const QStringList args = recordedArgs();
    ASSERT_EQ(args.size(), 6);
    EXPECT_EQ(args[2], QString::fromUtf8("PV - Statistik: März 2009"));
    EXPECT_TRUE(args[4].endsWith(QString::fromUtf8("/Statistik_März_2009.RTF")));
}

TEST_F(SendMailTest, NoRecipientWritesAndSendsNothing) {
    fakeXdgEmail();
    ctx.initialSettings.mailText = "";
    window->showReport(demoReportInput());
    run(&PrintPreviewWindow::sendClick);
    ASSERT_EQ(Dialogs::shownMessages().size(), 1);
    const ShownMessage m = Dialogs::shownMessages().front();
    EXPECT_EQ(m.caption, "Information");
    EXPECT_EQ(m.text, "Kein Mail-Eintrag in Einstellungen vorhanden!");
    EXPECT_EQ(m.icon, ShownMessage::Icon::Information);
    EXPECT_FALSE(data.exists("Statistik_Juli_2008.RTF"));
    EXPECT_EQ(window->lastMailHandOff(), nullptr);
}

TEST_F(SendMailTest, FailuresShowTheMailError) {
    struct Case {
        const char* what;
        bool installed;
        std::string tail;
    } cases[] = {
        {"no xdg-email", false, ""},
        {"non-zero exit", true, "exit 3"},
        {"killed", true, "kill -9 $$"},
    };
    for (const Case& c : cases) {
        Dialogs::setTestMode(true);
        reporter.errors.clear();
        if (c.installed) {
            fakeXdgEmail(c.tail);
        } else {
            onlyEmptyPath();
        }
        window->showReport(demoReportInput());
        run(&PrintPreviewWindow::sendClick);
        if (c.installed) {
            ASSERT_TRUE(waitForMail()) << c.what;
        }
        // Through the error path, as every failure.
        EXPECT_EQ(errors(), std::vector<std::string>{"Fehler beim Versuch die Mail zu senden"}) << c.what;
        EXPECT_TRUE(Dialogs::shownMessages().isEmpty()) << c.what;
        EXPECT_TRUE(window->isEnabled()) << c.what;
        EXPECT_TRUE(data.exists("Statistik_Juli_2008.RTF")) << c.what;  // the file stays
    }
}

TEST_F(SendMailTest, MissingDataDirectoryStopsBeforeSending) {
    fakeXdgEmail();
    ctx.dirs.data = data.file("fehlt");
    window->showReport(demoReportInput());
    run(&PrintPreviewWindow::sendClick);
    EXPECT_EQ(errors(), std::vector<std::string>{"Datei " + data.file("fehlt/Statistik_Juli_2008.RTF") +
                                                 " kann nicht erstellt werden."});
    EXPECT_EQ(window->lastMailHandOff(), nullptr);
    EXPECT_FALSE(bin.exists("bin/args.txt"));
}

// A mail program that keeps xdg-email waiting must not keep the windows disabled.
TEST_F(SendMailTest, LongRunningXdgEmailCountsAsHandedOver) {
    fakeXdgEmail("/bin/sleep 2");
    MailRequest request;
    request.set("to", "pv@example.org");
    window->show();
    MailHandOff* handOff = SendMail(window.get(), request, 200);
    ASSERT_NE(handOff, nullptr);
    QSignalSpy released(handOff, &MailHandOff::released);
    QSignalSpy finished(handOff, &MailHandOff::finished);
    EXPECT_FALSE(window->isEnabled());
    ASSERT_TRUE(released.wait(5000));
    EXPECT_TRUE(finished.isEmpty());
    EXPECT_TRUE(window->isEnabled());
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(finished.front().front().toBool(), true);
    EXPECT_TRUE(Dialogs::shownMessages().isEmpty());
}

}  // namespace
}  // namespace lumetra
