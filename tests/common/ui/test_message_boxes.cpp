#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>

#include "support/QtApp.h"
#include "ui/Dialogs.h"

namespace lumetra {
namespace {

// Error texts come from servers and data files: markup in them must show as the
// characters it is, not as a heading, a picture or a link.
TEST(MessageBoxes, ShowTheirTextAsPlainText) {
    test::qtApp();
    const QString markup =
        "HTTP/1.1 500 <h1>Sicherheitshinweis</h1><img src=\"logo.png\"><a "
        "href=\"http://example.org/\">Hier klicken</a>";
    const struct {
        ShownMessage::Icon icon;
        QMessageBox::Icon expected;
    } cases[] = {{ShownMessage::Icon::Error, QMessageBox::Critical},
                 {ShownMessage::Icon::Information, QMessageBox::Information}};
    for (const auto& c : cases) {
        const auto box = Dialogs::messageBox(nullptr, c.icon, "Lumetra - Web", markup);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->text(), markup);
        EXPECT_EQ(box->windowTitle(), "Lumetra - Web");
        EXPECT_EQ(box->icon(), c.expected);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
}

}  // namespace
}  // namespace lumetra
