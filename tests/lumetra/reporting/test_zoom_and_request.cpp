#include <gtest/gtest.h>

#include <vector>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "reporting/MailRequest.h"
#include "reporting/ZoomSteps.h"

namespace lumetra {
namespace {

std::vector<int> walk(int (*step)(int), int from, int times) {
    std::vector<int> out;
    for (int i = 0; i < times; ++i) out.push_back(from = step(from));
    return out;
}

TEST(Zoom, StepsFromTheStartZoomAndLimits) {
    EXPECT_EQ(kStartZoom, 50);
    EXPECT_EQ(walk(zoomIn, 50, 9), (std::vector<int>{60, 80, 120, 170, 250, 350, 400, 400, 400}));
    EXPECT_EQ(walk(zoomOut, 50, 8), (std::vector<int>{45, 30, 20, 14, 10, 7, 7, 7}));
    EXPECT_EQ(walk(zoomOut, 400, 2), (std::vector<int>{350, 250}));
    EXPECT_EQ(zoomIn(7), 10);
}

TEST(MailRequest, AttachmentsEndBeforeTheFirstGap) {
    MailRequest r;
    r.set("attachment0", "/d/a.RTF");
    r.set("attachment2", "/d/c.RTF");
    EXPECT_EQ(r.attachments(), std::vector<std::string>{"/d/a.RTF"});
    r.set("attachment1", "");
    EXPECT_EQ(r.attachments().size(), 1u);
    r.set("attachment1", "/d/b.RTF");
    EXPECT_EQ(r.attachments().size(), 3u);
}

TEST(MailRequest, XdgEmailArguments) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> entries;
        QStringList expected;
    } cases[] = {
        {{{"to", "pv@example.org"}, {"subject", "PV - Statistik: M\xE4rz 2009"}, {"attachment0", "/d/S.RTF"}},
         {"--utf8", "--subject", QString::fromUtf8("PV - Statistik: März 2009"), "--attach", "/d/S.RTF",
          "pv@example.org"}},
        {{{"to", ""}, {"body", "Text"}}, {"--utf8", "--body", "Text"}},  // no recipient
        {{{"to", "Max.M\xFCller+pv@solar-beispiel.de"}},
         {"--utf8", QString::fromUtf8("Max.Müller+pv@solar-beispiel.de")}},
    };
    for (const Case& c : cases) {
        MailRequest r;
        for (const auto& [name, value] : c.entries) r.set(name, value);
        EXPECT_EQ(r.xdgEmailArguments(), c.expected) << r.xdgEmailArguments().join(' ').toStdString();
    }
}

// The recipient goes to the mail program as an address; anything that would make it a
// URI with headers of its own (attach=, bcc=), a list or an option never gets there.
TEST(MailRequest, RefusesARecipientThatIsNoSingleAddress) {
    using namespace std::string_literals;
    for (const std::string& to :
         {"x@example.org?attach=/home/user/.ssh/id_rsa&bcc=y@example.org"s, "x&bcc=y@example.org"s,
          "a@example.org,b@example.org"s, "a@example.org b@example.org"s, "pv.example.org"s,
          "-x@example.org"s, "x@example.org\r\nBcc: y@example.org"s, "x@exam\x01ple.org"s, "@example.org"s,
          "x@"s, "x@y@example.org"s, "x%3Fattach=y@example.org"s, "x@example.org#"s}) {
        MailRequest r;
        r.set("to", to);
        try {
            r.xdgEmailArguments();
            ADD_FAILURE() << to;
        } catch (const LumetraError& e) {
            EXPECT_EQ(e.what(), cp1252FromUtf8("Die Empfängeradresse '") + to +
                                    cp1252FromUtf8("' ist keine gültige E-Mail-Adresse"));
        }
    }
}

}  // namespace
}  // namespace lumetra
