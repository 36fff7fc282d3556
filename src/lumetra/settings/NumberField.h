#pragma once
#include <QLineEdit>

namespace lumetra {

// A right-aligned field that takes only a number of its kind, typed up to `maxLength`
// characters. The length is the validator's, not QLineEdit's maxLength, so texts set from
// the files are shown whole, exactly as stored.
// The compact font the fixed control rectangles of these dialogs were laid out for.

QLineEdit* makeNumberField(QWidget* parent, const QString& name, int maxLength, bool decimal);

}  // namespace lumetra
