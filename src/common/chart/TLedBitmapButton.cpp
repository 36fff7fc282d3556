#include "chart/TLedBitmapButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace lumetra {

TLedBitmapButton::TLedBitmapButton(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    resize(25, 25);
}

void TLedBitmapButton::setGlyph(const QImage& glyph) {
    glyph_ = glyph.convertToFormat(QImage::Format_RGB32);
    adjustSize();
    update();
}

void TLedBitmapButton::setNumGlyphs(int value) {
    if (value < 1 || value > 4 || value == numGlyphs_) return;
    numGlyphs_ = value;
    adjustSize();
    update();
}

void TLedBitmapButton::setHIndent(int value) {
    if (value < 0 || value == hIndent_) return;
    hIndent_ = value;
    adjustSize();
    update();
}

void TLedBitmapButton::setVIndent(int value) {
    if (value < 0 || value == vIndent_) return;
    vIndent_ = value;
    adjustSize();
    update();
}

void TLedBitmapButton::setTransparent(bool value) {
    transparent_ = value;
    update();
}

void TLedBitmapButton::setTransparentMode(TLedTransparentMode value) {
    transparentMode_ = value;
    update();
}

void TLedBitmapButton::setColor(QColor value) {
    color_ = value;
    update();
}

void TLedBitmapButton::setAutoSize(bool value) {
    autoSize_ = value;
    adjustSize();
}

void TLedBitmapButton::adjustSize() {
    if (autoSize_ && !glyph_.isNull()) resize(cellWidth() + hIndent_ + 1, glyph_.height() + vIndent_ + 1);
}

int TLedBitmapButton::cellWidth() const { return glyph_.width() / numGlyphs_; }

int TLedBitmapButton::shownCell() const {
    int cell = 0;
    if (!isEnabled())
        cell = 3;
    else if (showsPressed())
        cell = 2;
    else if (hovered_)
        cell = 1;
    return cell < numGlyphs_ ? cell : 0;
}

QRect TLedBitmapButton::restingCellRect() const {
    const int w = cellWidth(), h = glyph_.height();
    return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

QRect TLedBitmapButton::cellRect() const {
    QRect r = restingCellRect();
    if (showsPressed()) r.translate(hIndent_, vIndent_);
    return r;
}

bool TLedBitmapButton::onPicture(QPoint pos) const {
    const QRect cell = restingCellRect();
    if (glyph_.isNull() || !cell.contains(pos)) return false;
    if (!transparent_) return true;
    // Only the colour Color counts here, whatever the transparent mode.
    const int cellIndex = hovered_ && 1 < numGlyphs_ ? 1 : 0;
    const QRgb pixel = glyph_.pixel(cellIndex * cellWidth() + pos.x() - cell.left(), pos.y() - cell.top());
    return qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)) != color_.rgb();
}

void TLedBitmapButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) painter.fillRect(rect(), color_);
    if (glyph_.isNull() || cellWidth() <= 0) return;
    QImage cell = glyph_.copy(shownCell() * cellWidth(), 0, cellWidth(), glyph_.height());
    if (transparent_) {
        const QRgb key = transparentMode_ == TLedTransparentMode::tmPixel ? glyph_.pixel(0, 0) : color_.rgb();
        cell = cell.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < cell.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
            for (int x = 0; x < cell.width(); ++x)
                if ((line[x] | 0xff000000u) == (key | 0xff000000u)) line[x] = 0;
        }
    }
    painter.drawImage(cellRect().topLeft(), cell);
}

void TLedBitmapButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !onPicture(event->position().toPoint())) return;
    held_ = true;
    heldOver_ = true;
    update();
}

void TLedBitmapButton::mouseMoveEvent(QMouseEvent* event) {
    if (!held_) return;
    const bool over = onPicture(event->position().toPoint());
    if (over == heldOver_) return;
    heldOver_ = over;
    update();
}

void TLedBitmapButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !held_) return;
    held_ = false;
    heldOver_ = false;
    update();
    if (onPicture(event->position().toPoint())) emit clicked();
}

void TLedBitmapButton::enterEvent(QEnterEvent*) {
    hovered_ = true;
    update();
}

void TLedBitmapButton::leaveEvent(QEvent*) {
    hovered_ = false;
    update();
}

void TLedBitmapButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        held_ = heldOver_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

QImage arrowGlyph(ArrowDirection direction) {
    QImage image(11, 14, QImage::Format_RGB32);
    image.fill(ledcolor::White);
    const QRgb ink = qRgb(32, 32, 32);
    // A triangle six pixels deep and twelve high, its tip at column 2 (or 8).
    for (int y = 1; y <= 12; ++y) {
        const int inset = y <= 6 ? 6 - y : y - 7;
        for (int depth = inset; depth <= 5; ++depth) {
            const int x = direction == ArrowDirection::Left ? 2 + depth : 8 - depth;
            image.setPixel(x, y, ink);
        }
    }
    return image;
}

TLedBitmapButton* makeArrowButton(QWidget* parent, ArrowDirection direction) {
    auto* button = new TLedBitmapButton(parent);
    button->setGlyph(arrowGlyph(direction));
    button->setHIndent(1);
    button->setVIndent(1);
    button->setTransparent(true);
    button->setColor(QColor(ledcolor::White));
    button->setAutoSize(true);
    return button;
}

}  // namespace lumetra
