#pragma once
// Temporary stand-in for the shared chart and arrow buttons until they land; same interface
// subset as the main window uses. Remove with Chart.h's fallback branch.
#include "base/Errors.h"

#include <QPainter>
#include <QWidget>
#include <QMouseEvent>

#include <memory>
#include <string>
#include <vector>

namespace lumetra::standin {

class TLedSpectrum;

class TLedSpectrumBar {
public:
    int Value() const { return value_; }
    void setValue(int value);

private:
    friend class TLedSpectrum;
    explicit TLedSpectrumBar(TLedSpectrum* owner) : owner_(owner) {}
    TLedSpectrum* owner_;
    int value_ = 0;
};

class TLedSpectrum : public QWidget {
    Q_OBJECT
public:
    explicit TLedSpectrum(QWidget* parent = nullptr) : QWidget(parent) { setMouseTracking(true); setColumns(24); }
    TLedSpectrumBar& Items(int index) {
        if (index < 0 || index >= Count()) fail(msg::ListIndex, std::to_string(index));
        return *bars_[static_cast<std::size_t>(index)];
    }
    int Count() const { return static_cast<int>(bars_.size()); }
    int Columns() const { return Count(); }
    void setColumns(int value) {
        if (value <= 0 || value == Count()) return;
        bars_.clear();
        for (int i = 0; i < value; ++i) bars_.emplace_back(new TLedSpectrumBar(this));
        relayout();
    }
    int BarWidth() const { return barWidth_; }
    void setBarWidth(int value) { barWidth_ = value; relayout(); }
    void setMaxValue(int value) { maxValue_ = value; }
    void setMarkerVisible(bool) {}
    bool ShowInactive() const { return showInactive_; }
    void setShowInactive(bool value) { showInactive_ = value; update(); }

signals:
    void pointerMoved(int x, int y);

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        emit pointerMoved(event->position().toPoint().x(), event->position().toPoint().y());
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        const int inner = height() - 10;
        for (int i = 0; i < Count(); ++i) {
            const int lit = std::clamp(bars_[static_cast<std::size_t>(i)]->Value(), 0, maxValue_) * inner / maxValue_;
            const int left = 5 + i * (barWidth_ + 1);
            for (int y = 0; y < inner; y += 2) {
                const bool on = y >= inner - lit;
                if (!on && !showInactive_) continue;
                const QColor c = y < inner * 15 / 100 ? QColor(on ? Qt::red : Qt::darkRed)
                                 : y < inner * 40 / 100 ? QColor(on ? Qt::yellow : Qt::darkYellow)
                                                        : QColor(on ? Qt::green : Qt::darkGreen);
                p.fillRect(left, 5 + y, barWidth_, 1, c);
            }
        }
    }

private:
    void relayout() { resize(10 + (barWidth_ + 1) * Count() - 1, height()); update(); }
    std::vector<std::unique_ptr<TLedSpectrumBar>> bars_;
    int barWidth_ = 8;
    int maxValue_ = 100;
    bool showInactive_ = true;
};

inline void TLedSpectrumBar::setValue(int value) {
    value_ = value;
    owner_->update();
}

inline void applyBlackBevel(TLedSpectrum&) {}

enum class ArrowDirection { Left, Right };

class TLedBitmapButton : public QWidget {
    Q_OBJECT
public:
    TLedBitmapButton(QWidget* parent, ArrowDirection direction) : QWidget(parent), direction_(direction) {
        resize(13, 16);
    }
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent*) override { emit clicked(); }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setBrush(Qt::black);
        QPolygon arrow;
        if (direction_ == ArrowDirection::Left) arrow << QPoint(10, 2) << QPoint(10, 13) << QPoint(3, 8);
        else arrow << QPoint(3, 2) << QPoint(3, 13) << QPoint(10, 8);
        p.drawPolygon(arrow);
    }

private:
    ArrowDirection direction_;
};

inline TLedBitmapButton* makeArrowButton(QWidget* parent, ArrowDirection direction) {
    return new TLedBitmapButton(parent, direction);
}

}  // namespace lumetra::standin
