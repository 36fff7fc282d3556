#pragma once
// A small picture button. The Glyph holds NumGlyphs equal cells side by side:
// normal, pointer over, pressed, disabled (a missing cell falls back to cell 0).
// A press counts only on the drawn cell (with Transparent: only on a pixel that is
// not of the colour Color); releasing over the picture emits clicked().
//
//   auto* left = makeArrowButton(this, ArrowDirection::Left);  // 13 x 16, transparent
//   left->setObjectName("LedBitmapButton9");
//   left->move(16, 6);
//   ui::connectGuarded(left, &TLedBitmapButton::clicked, this, &MainWindow::LedBitmapButton9Click);
#include <QColor>
#include <QImage>
#include <QWidget>

#include "chart/LedSpectrumLayout.h"

namespace lumetra {

enum class TLedTransparentMode { tmColor, tmPixel };

class TLedBitmapButton : public QWidget {
    Q_OBJECT
public:
    explicit TLedBitmapButton(QWidget* parent = nullptr);

    const QImage& Glyph() const { return glyph_; }
    void setGlyph(const QImage& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int value);  // 1 ... 4, others ignored
    int HIndent() const { return hIndent_; }
    void setHIndent(int value);  // negative values ignored
    int VIndent() const { return vIndent_; }
    void setVIndent(int value);
    bool Transparent() const { return transparent_; }
    void setTransparent(bool value);
    TLedTransparentMode TransparentMode() const { return transparentMode_; }
    void setTransparentMode(TLedTransparentMode value);
    QColor Color() const { return color_; }
    void setColor(QColor value);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool value);

    // The cell shown now (0 normal, 1 pointer over, 2 pressed, 3 disabled, after the fallback).
    int shownCell() const;
    // Where the cell is drawn now.
    QRect cellRect() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int cellWidth() const;
    QRect restingCellRect() const;
    bool onPicture(QPoint pos) const;
    bool showsPressed() const { return held_ && heldOver_; }
    void adjustSize();

    QImage glyph_;
    int numGlyphs_ = 1;
    int hIndent_ = 2;
    int vIndent_ = 2;
    bool transparent_ = false;
    TLedTransparentMode transparentMode_ = TLedTransparentMode::tmColor;
    QColor color_ = QColor(ledcolor::ButtonFace);
    bool autoSize_ = false;
    bool hovered_ = false;
    bool held_ = false;
    bool heldOver_ = false;
};

enum class ArrowDirection { Left, Right };

// One 11 x 14 cell: a dark arrow on white.
QImage arrowGlyph(ArrowDirection direction);
// The main window's month and year arrows: indent 1, transparent, white, auto-sized to 13 x 16.
TLedBitmapButton* makeArrowButton(QWidget* parent, ArrowDirection direction);

}  // namespace lumetra
