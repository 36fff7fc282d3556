#pragma once
// Controls the settings dialog and the location editor place at fixed pixels.
#include <QLabel>
#include <QLineEdit>

namespace lumetra {

// A right-aligned field that takes only a number of its kind, typed up to `maxLength`
// characters. The length is the validator's, not QLineEdit's maxLength, so texts set from
// the files are shown whole, exactly as stored.
QLineEdit* makeNumberField(QWidget* parent, const QString& name, int maxLength, bool decimal);

// A label at left, top, as wide as its text unless `width` is given, 16 pixels high.
QLabel* addLabel(QWidget* parent, const QString& text, int left, int top, int width = 0,
                 Qt::Alignment align = Qt::AlignLeft);

}  // namespace lumetra
