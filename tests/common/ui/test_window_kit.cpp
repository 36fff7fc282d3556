#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QSpinBox>
#include <QTest>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "support/QtApp.h"
#include "ui/Dialogs.h"
#include "ui/MessageBoxReporter.h"
#include "ui/WindowKit.h"

using namespace lumetra;
using namespace lumetra::ui;

namespace {

class Window : public FixedWindow {
public:
    explicit Window(bool dialogKeys = false)
        : FixedWindow(dialogKeys ? WindowSetup{"TFormX", "Titel", QSize(200, 100)}.withDialogKeys()
                                 : WindowSetup{"TFormX", "Titel", QSize(200, 100)},
                      nullptr) {}
    void fail() {
        ++runs;
        throw LumetraError("Datei x kann nicht erstellt werden");
    }
    void take(int value) { taken = value; }
    int runs = 0;
    int taken = 0;
};

TEST(ConnectGuarded, ReportsTheHandlersExceptionOnceAndGoesOn) {
    test::qtApp();
    RecordingReporter errors;
    Window window;
    QPushButton* button = placeButton(&window, "b", "B", {0, 0, 10, 10});
    connectGuarded(button, &QPushButton::clicked, &window, &Window::fail);
    button->click();
    EXPECT_EQ(window.runs, 1);
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0], "Datei x kann nicht erstellt werden.");

    // Lambdas too, with the leading signal arguments they take or none.
    auto* spin = new QSpinBox(&window);
    int calls = 0;
    connectGuarded(spin, &QSpinBox::valueChanged, &window, &Window::take);
    connectGuarded(spin, &QSpinBox::valueChanged, &window, [&] { ++calls; });
    connectGuarded(spin, &QSpinBox::valueChanged, &window, [&](int) { throw std::runtime_error("kaputt"); });
    spin->setValue(7);
    EXPECT_EQ(window.taken, 7);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(errors.errors.size(), 2u);
}

TEST(MessageBoxReporter, ShowsTheProgramTitleOrTheFailuresOwnCaption) {
    test::qtApp();
    Dialogs::setTestMode(true);
    Dialogs::shownMessages().clear();
    MessageBoxReporter reporter("Lumetra - Web");
    reporter.showError("Read timed out.");
    reporter.showCaptionedError("Fehler", "Fehler beim Versuch die Mail zu senden");
    ASSERT_EQ(Dialogs::shownMessages().size(), 2);
    EXPECT_EQ(Dialogs::shownMessages()[0].caption, "Lumetra - Web");
    EXPECT_EQ(Dialogs::shownMessages()[1].caption, "Fehler");
    EXPECT_EQ(Dialogs::shownMessages()[1].text, "Fehler beim Versuch die Mail zu senden");
    EXPECT_EQ(Dialogs::shownMessages()[1].icon, ShownMessage::Icon::Error);
    Dialogs::setTestMode(false);
}

TEST(FixedWindow, SetsUpTheWindowAndItsDialogKeys) {
    test::qtApp();
    Window window(true);
    EXPECT_EQ(window.objectName(), "TFormX");
    EXPECT_EQ(window.windowTitle(), "Titel");
    EXPECT_EQ(window.size(), QSize(200, 100));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags() & Qt::Dialog);
    QPushButton* ok = placeButton(&window, "ok", "OK", {0, 0, 10, 10}, ButtonLook().asDefault());
    int pressed = 0;
    connectGuarded(ok, &QPushButton::clicked, &window, [&] { ++pressed; });
    window.show();
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(pressed, 1);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST(Controls, NumberFieldTakesOnlyItsKindUpToItsLength) {
    test::qtApp();
    QWidget parent;
    struct Case {
        bool decimal;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {true, "12,5", "12,5"},     {true, "1,2,3", "1,23"}, {false, "9,8", "98"},
        {true, "1234567", "12345"}, {false, "a1b", "1"},
    };
    for (const Case& c : cases) {
        QLineEdit* field = placeNumberField(&parent, "f", {0, 0, 50, 21}, 5, c.decimal);
        QTest::keyClicks(field, c.typed);
        EXPECT_EQ(field->text(), c.shown) << c.typed;
        // Texts from the files are shown whole.
        field->setText("123456,78");
        EXPECT_EQ(field->text(), "123456,78");
        delete field;
    }
}

TEST(Controls, LabelsTakeTheirSizeFromTheTextWhereNoneIsGiven) {
    test::qtApp();
    QWidget parent;
    QLabel* fitted = placeLabel(&parent, "a", "Standort:", {10, 20, 0, 16});
    EXPECT_EQ(fitted->geometry(), QRect(10, 20, fitted->sizeHint().width(), 16));
    QLabel* before = placeLabelLeftOf(&parent, "b", "SMA {NN}:", 396, 202, 16);
    EXPECT_EQ(before->geometry().right() + 1, 396);
    QLabel* bold = placeLabel(&parent, "c", "x", {0, 0, 30, 14}, LabelLook().bold());
    EXPECT_TRUE(bold->font().bold());
    EXPECT_EQ(bold->geometry(), QRect(0, 0, 30, 14));
}

}  // namespace
