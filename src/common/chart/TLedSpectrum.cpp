#include "chart/TLedSpectrum.h"

#include <QMouseEvent>
#include <QPainter>
#include <string>

#include "base/Errors.h"

namespace lumetra {

TLedPalette& TLedPalette::operator=(const TLedPalette& other) {
    if (low_ == other.low_ && high_ == other.high_) return *this;
    low_ = other.low_;
    high_ = other.high_;
    if (changed_) changed_();
    return *this;
}

void TLedPalette::setLow(QColor color) {
    if (low_ == color) return;
    low_ = color;
    if (changed_) changed_();
}

void TLedPalette::setHigh(QColor color) {
    if (high_ == color) return;
    high_ = color;
    if (changed_) changed_();
}

TLedBevel& TLedBevel::operator=(const TLedBevel& other) {
    if (data_ == other.data_) return *this;
    data_ = other.data_;
    if (changed_) changed_();
    return *this;
}

void TLedSpectrumBar::setValue(int value) {
    if (value_ == value) return;
    value_ = value;
    owner_->redrawColumn(index_);
}

TLedSpectrum::TLedSpectrum(QWidget* parent)
    : QWidget(parent),
      palettes_{{QColor(ledcolor::Green), QColor(ledcolor::Lime)},
                {QColor(ledcolor::Olive), QColor(ledcolor::Yellow)},
                {QColor(ledcolor::Maroon), QColor(ledcolor::Red)}},
      bevel_(LedBevelData::chartDefaults()) {
    for (auto& palette : palettes_) palette.changed_ = [this] { changed(); };
    bevel_.changed_ = [this] { changed(); };
    makeColumns(params_.Columns);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(117, 217);
}

TLedSpectrum::~TLedSpectrum() = default;

TLedSpectrumBar& TLedSpectrum::Items(int index) {
    if (index < 0 || index >= Count()) fail(msg::ListIndex, std::to_string(index));
    return *bars_[static_cast<size_t>(index)];
}

const TLedSpectrumBar& TLedSpectrum::Items(int index) const {
    return const_cast<TLedSpectrum*>(this)->Items(index);
}

void TLedSpectrum::makeColumns(int count) {
    bars_.clear();
    bars_.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        bars_.push_back(std::unique_ptr<TLedSpectrumBar>(new TLedSpectrumBar(this, i)));
}

template <typename T>
bool TLedSpectrum::store(T& field, T value) {
    if (field == value) return false;
    field = value;
    changed();
    return true;
}

void TLedSpectrum::setColumns(int value) {
    if (value <= 0 || value == params_.Columns) return;
    params_.Columns = value;
    makeColumns(value);
    changed();
}

void TLedSpectrum::setBarWidth(int value) {
    if (value >= 1) store(params_.BarWidth, value);
}

void TLedSpectrum::setBarSpacing(int value) { store(params_.BarSpacing, value); }

void TLedSpectrum::setTickHeight(int value) {
    if (value > 0) store(params_.TickHeight, value);
}

void TLedSpectrum::setSpacing(int value) { store(params_.Spacing, value); }

void TLedSpectrum::setMaxValue(int value) {
    if (value <= minValue_ || value == maxValue_) return;
    maxValue_ = value;
    for (auto& bar : bars_)
        if (bar->Value() > value) bar->setValue(value);
    // The other columns were drawn on the old scale.
    changed();
}

void TLedSpectrum::setMinValue(int value) {
    if (value >= maxValue_ || value == minValue_) return;
    minValue_ = value;
    for (auto& bar : bars_)
        if (bar->Value() < value) bar->setValue(value);
    changed();
}

void TLedSpectrum::setPercent1(int value) {
    if (value < 0 || value > 100) return;
    if (!loading_ && value + params_.Percent2 > 100) value = 100 - params_.Percent2;
    store(params_.Percent1, value);
}

void TLedSpectrum::setPercent2(int value) {
    if (value < 0 || value > 100) return;
    if (!loading_ && value + params_.Percent1 > 100) value = 100 - params_.Percent1;
    store(params_.Percent2, value);
}

void TLedSpectrum::setPlainColors(bool value) { store(params_.PlainColors, value); }
void TLedSpectrum::setShowInactive(bool value) { store(style_.showInactive, value); }
void TLedSpectrum::setMarkerVisible(bool value) { store(style_.markerVisible, value); }
void TLedSpectrum::setMarkerColor(QColor value) { store(style_.markerColor, value.rgb()); }
void TLedSpectrum::setColor(QColor value) { store(style_.background, value.rgb()); }

void TLedSpectrum::beginLoading() { loading_ = true; }

void TLedSpectrum::endLoading() {
    loading_ = false;
    if (stale_) fullPaint();
}

void TLedSpectrum::changed() {
    if (loading_) {
        stale_ = true;
        return;
    }
    fullPaint();
}

void TLedSpectrum::fullPaint() {
    if (painting_) return;
    painting_ = true;
    stale_ = false;
    for (int i = 0; i < 3; ++i) {
        params_.Low[i] = palettes_[i].Low().rgb();
        params_.High[i] = palettes_[i].High().rgb();
    }
    params_.Bevel = bevel_.data();
    layout_ = computeLayout(params_, width(), height());
    if (layout_.width != width() || layout_.height != height()) {
        resize(layout_.width, layout_.height);
        layout_ = computeLayout(params_, width(), height());
    }
    image_ = QImage(width(), height(), QImage::Format_RGB32);
    image_.fill(style_.background);
    paintBevel(image_, params_.Bevel);
    for (int i = 0; i < Count(); ++i)
        drawColumn(image_, layout_, i,
                   litSegments(bars_[static_cast<size_t>(i)]->Value(), minValue_, maxValue_, layout_.n),
                   style_);
    painting_ = false;
    update();
}

void TLedSpectrum::redrawColumn(int index) {
    // Before the first full paint there is nothing to draw on.
    if (!layout_.valid || painting_) return;
    if (loading_) {
        stale_ = true;
        return;
    }
    drawColumn(image_, layout_, index,
               litSegments(bars_[static_cast<size_t>(index)]->Value(), minValue_, maxValue_, layout_.n),
               style_);
    const QRect area = layout_.columnRect(index).intersected(rect());
    if (!area.isEmpty()) repaint(area);
}

void TLedSpectrum::paintEvent(QPaintEvent* event) {
    if (!loading_ && (stale_ || image_.size() != size())) fullPaint();
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(style_.background));
    painter.drawImage(event->rect().topLeft(), image_, event->rect());
}

void TLedSpectrum::showEvent(QShowEvent*) {
    // Lay out before the first paint so the size is settled when painting starts.
    if (!loading_ && (stale_ || !layout_.valid || image_.size() != size())) fullPaint();
}

void TLedSpectrum::resizeEvent(QResizeEvent*) {
    if (!loading_ && !painting_ && layout_.valid && image_.size() != size()) fullPaint();
}

void TLedSpectrum::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit pointerMoved(pos.x(), pos.y());
    QWidget::mouseMoveEvent(event);
}

void applyBlackBevel(TLedSpectrum& chart) {
    TLedBevel& bevel = chart.Bevel();
    const QColor black(ledcolor::Black);
    bevel.setInnerShadow(black);
    bevel.setInnerHighlight(black);
    bevel.setOuterShadow(black);
    bevel.setOuterHighlight(black);
    bevel.setOuterColor(black);
    bevel.setInnerColor(black);
}

}  // namespace lumetra
