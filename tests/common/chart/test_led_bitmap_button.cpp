#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include "chart/TLedBitmapButton.h"
#include "support/QtApp.h"

using namespace lumetra;

namespace {

void mouse(QWidget& w, QEvent::Type type, QPoint pos, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), w.mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}
void press(QWidget& w, QPoint pos) { mouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton); }
void drag(QWidget& w, QPoint pos) { mouse(w, QEvent::MouseMove, pos, Qt::LeftButton); }
void release(QWidget& w, QPoint pos) { mouse(w, QEvent::MouseButtonRelease, pos, Qt::NoButton); }

// Four 5 x 4 cells in distinct colours.
QImage fourCells() {
    QImage glyph(20, 4, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(10, 0, 0), qRgb(20, 0, 0), qRgb(30, 0, 0), qRgb(40, 0, 0)};
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 4; ++y) glyph.setPixel(x, y, colours[x / 5]);
    return glyph;
}

class LedBitmapButtonTest : public ::testing::Test {
protected:
    void SetUp() override { lumetra::test::qtApp(); }
};

TEST_F(LedBitmapButtonTest, ArrowButtonsOfTheMainWindow) {
    QWidget parent;
    for (ArrowDirection direction : {ArrowDirection::Left, ArrowDirection::Right}) {
        TLedBitmapButton* button = makeArrowButton(&parent, direction);
        EXPECT_EQ(button->size(), QSize(13, 16));
        EXPECT_EQ(button->Glyph().size(), QSize(11, 14));
        EXPECT_EQ(button->HIndent(), 1);
        EXPECT_EQ(button->VIndent(), 1);
        EXPECT_TRUE(button->Transparent());
        EXPECT_EQ(button->Color(), QColor(255, 255, 255));
        EXPECT_EQ(button->cellRect(), QRect(1, 1, 11, 14));
    }
    // The two arrows mirror each other and point outwards.
    const QImage left = arrowGlyph(ArrowDirection::Left), right = arrowGlyph(ArrowDirection::Right);
    EXPECT_EQ(left.mirrored(true, false), right);
    EXPECT_NE(left.pixel(2, 6), qRgb(255, 255, 255));
    EXPECT_EQ(left.pixel(2, 1), qRgb(255, 255, 255));
    EXPECT_NE(left.pixel(7, 1), qRgb(255, 255, 255));
}

TEST_F(LedBitmapButtonTest, CellFollowsTheStateAndFallsBackToCellZero) {
    for (int numGlyphs : {4, 1}) {
        TLedBitmapButton button;
        button.setGlyph(fourCells());
        button.setNumGlyphs(numGlyphs);
        button.resize(30, 30);
        const QPoint centre(15, 15);
        auto cell = [&](int expected) { return numGlyphs > expected ? expected : 0; };
        EXPECT_EQ(button.shownCell(), cell(0));
        QEnterEvent enter{QPointF(centre), QPointF(centre), button.mapToGlobal(QPointF(centre))};
        QApplication::sendEvent(&button, &enter);
        EXPECT_EQ(button.shownCell(), cell(1));
        press(button, centre);
        EXPECT_EQ(button.shownCell(), cell(2));
        release(button, centre);
        button.setEnabled(false);
        EXPECT_EQ(button.shownCell(), cell(3));
    }
}

TEST_F(LedBitmapButtonTest, AutoSizeAndIndents) {
    TLedBitmapButton button;
    button.setGlyph(fourCells());
    button.setNumGlyphs(4);
    button.setAutoSize(true);
    EXPECT_EQ(button.size(), QSize(5 + 2 + 1, 4 + 2 + 1));
    button.setHIndent(-1);
    button.setVIndent(-4);
    EXPECT_EQ(button.HIndent(), 2);
    EXPECT_EQ(button.VIndent(), 2);
    button.setHIndent(0);
    EXPECT_EQ(button.size(), QSize(6, 7));
    button.setNumGlyphs(5);
    EXPECT_EQ(button.NumGlyphs(), 4);
}

TEST_F(LedBitmapButtonTest, PressOnThePictureShiftsItAndReleaseClicks) {
    QWidget parent;
    TLedBitmapButton* button = makeArrowButton(&parent, ArrowDirection::Left);
    QSignalSpy clicks(button, &TLedBitmapButton::clicked);
    const QPoint ink(1 + 4, 1 + 6);    // on the arrow
    const QPoint white(1 + 0, 1 + 0);  // inside the cell, transparent colour
    const QPoint outside(12, 15);      // beside the cell

    for (QPoint miss : {white, outside}) {
        press(*button, miss);
        EXPECT_EQ(button->cellRect().topLeft(), QPoint(1, 1));
        release(*button, ink);
        EXPECT_EQ(clicks.count(), 0);
    }

    press(*button, ink);
    EXPECT_EQ(button->cellRect().topLeft(), QPoint(2, 2));
    drag(*button, white);
    EXPECT_EQ(button->cellRect().topLeft(), QPoint(1, 1)) << "shown released off the picture";
    drag(*button, ink);
    EXPECT_EQ(button->cellRect().topLeft(), QPoint(2, 2));
    release(*button, ink);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button->cellRect().topLeft(), QPoint(1, 1));

    press(*button, ink);
    release(*button, white);
    EXPECT_EQ(clicks.count(), 1) << "released off the picture";
}

TEST_F(LedBitmapButtonTest, PressTestUsesColorInEitherTransparentMode) {
    // Top-left pixel red: drawn transparent in tmPixel mode, yet pressable since it is not Color.
    QImage glyph(4, 4, QImage::Format_RGB32);
    glyph.fill(qRgb(255, 255, 255));
    glyph.setPixel(0, 0, qRgb(255, 0, 0));
    TLedBitmapButton button;
    button.setGlyph(glyph);
    button.setTransparent(true);
    button.setTransparentMode(TLedTransparentMode::tmPixel);
    button.setColor(QColor(255, 255, 255));
    button.resize(4, 4);
    QSignalSpy clicks(&button, &TLedBitmapButton::clicked);
    press(button, QPoint(1, 1));
    release(button, QPoint(1, 1));
    EXPECT_EQ(clicks.count(), 0);
    press(button, QPoint(0, 0));
    release(button, QPoint(0, 0));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(LedBitmapButtonTest, TransparentColourShowsTheBackground) {
    QWidget parent;
    parent.resize(40, 40);
    parent.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0, 0, 200));
    parent.setPalette(palette);
    TLedBitmapButton* button = makeArrowButton(&parent, ArrowDirection::Right);
    button->move(10, 10);
    const QImage shot = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage glyph = arrowGlyph(ArrowDirection::Right);
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 11; ++x) {
            const QRgb g = glyph.pixel(x, y);
            const QRgb expected = g == qRgb(255, 255, 255) ? qRgb(0, 0, 200) : g;
            ASSERT_EQ(shot.pixel(11 + x, 11 + y), expected) << x << "," << y;
        }

    // Opaque: the picture as it is, white included.
    button->setTransparent(false);
    const QImage opaque = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(opaque.pixel(11, 11), qRgb(255, 255, 255));
}

}  // namespace
