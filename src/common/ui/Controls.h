#pragma once
// Controls at pixel rectangles, as the windows' layout tables give them.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>

#include "ui/With.h"

namespace lumetra::ui {

struct LabelLook {
    bool isBold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool isPlain = false;

    LabelLook bold() const { return with(*this, &LabelLook::isBold, true); }
    LabelLook plain() const { return with(*this, &LabelLook::isPlain, true); }
    // Vertically centred unless `to` says otherwise.
    LabelLook align(Qt::Alignment to) const {
        return with(*this, &LabelLook::alignment, (to & Qt::AlignVertical_Mask) ? to : to | Qt::AlignVCenter);
    }
};

// A width or height of 0 in `place` is taken from the text.
QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                   const LabelLook& look = {});
// A label as wide as its text whose right edge is at `right`.
QLabel* placeLabelLeftOf(QWidget* parent, const QString& name, const QString& text, int right, int top,
                         int height, const LabelLook& look = {});

struct ButtonLook {
    QString toolTip;
    bool isDefault = false;  // drawn as the default button; Return presses it in dialogs

    ButtonLook tip(const QString& text) const { return with(*this, &ButtonLook::toolTip, text); }
    ButtonLook asDefault() const { return with(*this, &ButtonLook::isDefault, true); }
};
QPushButton* placeButton(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                         const ButtonLook& look = {});

// A right-aligned field that takes only a number of its kind, typed up to `maxLength`
// characters. The length is the validator's, not QLineEdit's maxLength, so texts set from
// the files are shown whole, exactly as stored.
QLineEdit* placeNumberField(QWidget* parent, const QString& name, const QRect& place, int maxLength,
                            bool decimal);

QLineEdit* placeTextField(QWidget* parent, const QString& name, const QRect& place);

QCheckBox* placeCheckBox(QWidget* parent, const QString& name, const QString& text, const QRect& place);

// An editable list whose typed text is never added to its items.
QComboBox* placeComboBox(QWidget* parent, const QString& name, const QRect& place);

// A black sunken panel that charts, pictures and lists sit in.
QFrame* placeBlackPanel(QWidget* parent, const QString& name, const QRect& place, int lineWidth = 1);

// A sunken horizontal line.
QFrame* placeSeparator(QWidget* parent, const QString& name, const QRect& place);

// Shows a window created once and hidden since, in front of the others.
void bringToFront(QWidget* window);

}  // namespace lumetra::ui
