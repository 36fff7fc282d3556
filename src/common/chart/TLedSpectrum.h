#pragma once
// The segmented LED bar chart.
//
//   auto* chart = new TLedSpectrum(panel);        // 24 columns, 117 x 217 until laid out
//   chart->setObjectName("LedSpectrum1");
//   chart->setGeometry(4, 4, 441, 226);            // a starting point: it sizes itself (441 x 225)
//   applyBlackBevel(*chart);                       // the programs' plain black 5-pixel frame
//   chart->setColumns(144); chart->setBarWidth(2);
//   chart->Items(i).setValue(v);                   // redraws column i only
//   ui::connectGuarded(chart, &TLedSpectrum::pointerMoved, window, &Window::LedSpectrum1MouseMove);
//
// Each setter ignores an unchanged value; property changes recompute the layout and
// repaint the whole chart into an off-screen image (image()), except between
// beginLoading() and endLoading(). Items(i) with i outside 0 ... Count() - 1 throws
// the list index error.
#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "chart/LedSpectrumLayout.h"

namespace lumetra {

class TLedSpectrum;

// Unlit (Low) and lit (High) shade of one part of the height.
class TLedPalette {
public:
    TLedPalette(QColor low = QColor(), QColor high = QColor()) : low_(low), high_(high) {}
    TLedPalette(const TLedPalette& other) : low_(other.low_), high_(other.high_) {}
    TLedPalette& operator=(const TLedPalette& other);  // takes the colours, keeps the owner

    QColor Low() const { return low_; }
    QColor High() const { return high_; }
    void setLow(QColor color);
    void setHigh(QColor color);

private:
    friend class TLedSpectrum;
    QColor low_, high_;
    std::function<void()> changed_;
};

// The chart's frame. Made on its own it has LedBevelData's defaults.
class TLedBevel {
public:
    TLedBevel() = default;
    explicit TLedBevel(const LedBevelData& data) : data_(data) {}
    TLedBevel(const TLedBevel& other) : data_(other.data_) {}
    TLedBevel& operator=(const TLedBevel& other);  // takes the properties, keeps the owner

    const LedBevelData& data() const { return data_; }
    int width() const { return bevelWidth(data_); }

    int BorderWidth() const { return data_.BorderWidth; }
    QColor BorderColor() const { return QColor(data_.BorderColor); }
    TLedBevelOutlineStyle OuterOutline() const { return data_.OuterOutline; }
    TLedBevelStyle OuterStyle() const { return data_.OuterStyle; }
    int OuterWidth() const { return data_.OuterWidth; }
    QColor OuterHighlight() const { return QColor(data_.OuterHighlight); }
    QColor OuterShadow() const { return QColor(data_.OuterShadow); }
    int OuterSpace() const { return data_.OuterSpace; }
    QColor OuterColor() const { return QColor(data_.OuterColor); }
    TLedBevelOutlineStyle InnerOutline() const { return data_.InnerOutline; }
    TLedBevelStyle InnerStyle() const { return data_.InnerStyle; }
    int InnerWidth() const { return data_.InnerWidth; }
    QColor InnerHighlight() const { return QColor(data_.InnerHighlight); }
    QColor InnerShadow() const { return QColor(data_.InnerShadow); }
    int InnerSpace() const { return data_.InnerSpace; }
    QColor InnerColor() const { return QColor(data_.InnerColor); }
    bool Visible() const { return data_.Visible; }

    void setBorderWidth(int v) { set(data_.BorderWidth, v); }
    void setBorderColor(QColor v) { set(data_.BorderColor, v.rgb()); }
    void setOuterOutline(TLedBevelOutlineStyle v) { set(data_.OuterOutline, v); }
    void setOuterStyle(TLedBevelStyle v) { set(data_.OuterStyle, v); }
    void setOuterWidth(int v) { set(data_.OuterWidth, v); }
    void setOuterHighlight(QColor v) { set(data_.OuterHighlight, v.rgb()); }
    void setOuterShadow(QColor v) { set(data_.OuterShadow, v.rgb()); }
    void setOuterSpace(int v) { set(data_.OuterSpace, v); }
    void setOuterColor(QColor v) { set(data_.OuterColor, v.rgb()); }
    void setInnerOutline(TLedBevelOutlineStyle v) { set(data_.InnerOutline, v); }
    void setInnerStyle(TLedBevelStyle v) { set(data_.InnerStyle, v); }
    void setInnerWidth(int v) { set(data_.InnerWidth, v); }
    void setInnerHighlight(QColor v) { set(data_.InnerHighlight, v.rgb()); }
    void setInnerShadow(QColor v) { set(data_.InnerShadow, v.rgb()); }
    void setInnerSpace(int v) { set(data_.InnerSpace, v); }
    void setInnerColor(QColor v) { set(data_.InnerColor, v.rgb()); }
    void setVisible(bool v) { set(data_.Visible, v); }

private:
    friend class TLedSpectrum;
    template <typename T>
    void set(T& field, T value) {
        if (field == value) return;
        field = value;
        if (changed_) changed_();
    }
    LedBevelData data_;
    std::function<void()> changed_;
};

// One column. Setting a different Value redraws this column at once with the
// layout of the last full paint; the value is not checked against the range.
class TLedSpectrumBar {
public:
    int Value() const { return value_; }
    void setValue(int value);

private:
    friend class TLedSpectrum;
    TLedSpectrumBar(TLedSpectrum* owner, int index) : owner_(owner), index_(index) {}
    TLedSpectrum* owner_;
    int index_;
    int value_ = 0;
};

class TLedSpectrum : public QWidget {
    Q_OBJECT
public:
    explicit TLedSpectrum(QWidget* parent = nullptr);
    ~TLedSpectrum() override;

    // Columns; Items throws the list index error outside 0 ... Count() - 1.
    TLedSpectrumBar& Items(int index);
    const TLedSpectrumBar& Items(int index) const;
    int Count() const { return static_cast<int>(bars_.size()); }

    int Columns() const { return params_.Columns; }
    void setColumns(int value);  // > 0; all columns start again at 0
    int BarWidth() const { return params_.BarWidth; }
    void setBarWidth(int value);  // 1 ... 2147483647
    int BarSpacing() const { return params_.BarSpacing; }
    void setBarSpacing(int value);
    int TickHeight() const { return params_.TickHeight; }
    void setTickHeight(int value);  // > 0
    int Spacing() const { return params_.Spacing; }
    void setSpacing(int value);
    int MinValue() const { return minValue_; }
    void setMinValue(int value);  // < MaxValue; raises lower columns to it
    int MaxValue() const { return maxValue_; }
    void setMaxValue(int value);  // > MinValue; lowers higher columns to it
    int Percent1() const { return params_.Percent1; }
    void setPercent1(int value);  // 0 ... 100; Percent1 + Percent2 <= 100 outside loading
    int Percent2() const { return params_.Percent2; }
    void setPercent2(int value);
    bool PlainColors() const { return params_.PlainColors; }
    void setPlainColors(bool value);
    bool ShowInactive() const { return style_.showInactive; }
    void setShowInactive(bool value);
    bool MarkerVisible() const { return style_.markerVisible; }
    void setMarkerVisible(bool value);
    QColor MarkerColor() const { return QColor(style_.markerColor); }
    void setMarkerColor(QColor value);
    QColor Color() const { return QColor(style_.background); }
    void setColor(QColor value);

    TLedPalette& Palette1() { return palettes_[0]; }
    TLedPalette& Palette2() { return palettes_[1]; }
    TLedPalette& Palette3() { return palettes_[2]; }
    void setPalette1(const TLedPalette& p) { palettes_[0] = p; }
    void setPalette2(const TLedPalette& p) { palettes_[1] = p; }
    void setPalette3(const TLedPalette& p) { palettes_[2] = p; }
    TLedBevel& Bevel() { return bevel_; }
    void setBevel(const TLedBevel& b) { bevel_ = b; }

    // While loading, setters only store (no Percent check, no repaint); endLoading
    // repaints when something changed.
    void beginLoading();
    void endLoading();
    bool isLoading() const { return loading_; }

    // Layout of the last full paint (valid() false before the first) and the off-screen image.
    const LedSpectrumLayout& layout() const { return layout_; }
    const QImage& image() const { return image_; }
    // Lays out (possibly resizing) and paints everything now.
    void fullPaint();

signals:
    // Pointer position in the chart's coordinates, with or without a button held.
    void pointerMoved(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    friend class TLedSpectrumBar;
    void changed();  // the repaint rule of every setter
    void redrawColumn(int index);
    void makeColumns(int count);
    template <typename T>
    bool store(T& field, T value);

    LedSpectrumParams params_;
    LedColumnStyle style_;
    int minValue_ = 0;
    int maxValue_ = 100;
    TLedPalette palettes_[3];
    TLedBevel bevel_;
    std::vector<std::unique_ptr<TLedSpectrumBar>> bars_;
    LedSpectrumLayout layout_;
    QImage image_;
    bool loading_ = false;
    bool stale_ = false;  // a change during loading waits for the next paint
    bool painting_ = false;
};

// The frame of the programs' charts: bevel shadows, highlights and colours black,
// a plain black border 5 pixels wide.
void applyBlackBevel(TLedSpectrum& chart);

}  // namespace lumetra
