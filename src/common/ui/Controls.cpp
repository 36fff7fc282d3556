#include "ui/Controls.h"

#include <QValidator>

namespace lumetra::ui {
namespace {

class NumberValidator : public QValidator {
public:
    NumberValidator(int maxLength, bool decimal, QObject* parent)
        : QValidator(parent), maxLength_(maxLength), decimal_(decimal) {}

    State validate(QString& input, int&) const override {
        if (input.size() > maxLength_) return Invalid;
        bool comma = false;
        for (QChar c : input) {
            if (c.isDigit() && c.unicode() < 128) continue;
            if (decimal_ && c == ',' && !comma) {
                comma = true;
                continue;
            }
            return Invalid;
        }
        return Acceptable;
    }

private:
    int maxLength_;
    bool decimal_;
};

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const LabelLook& look) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    if (look.isPlain) label->setTextFormat(Qt::PlainText);
    if (look.isBold) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    label->setAlignment(look.alignment);
    return label;
}

}  // namespace

QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                   const LabelLook& look) {
    QLabel* label = makeLabel(parent, name, text, look);
    const QSize fit = label->sizeHint();
    label->setGeometry(place.x(), place.y(), place.width() > 0 ? place.width() : fit.width(),
                       place.height() > 0 ? place.height() : fit.height());
    return label;
}

QLabel* placeLabelLeftOf(QWidget* parent, const QString& name, const QString& text, int right, int top,
                         int height, const LabelLook& look) {
    QLabel* label = makeLabel(parent, name, text, look);
    const int width = label->sizeHint().width();
    label->setGeometry(right - width, top, width, height);
    return label;
}

QPushButton* placeButton(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                         const ButtonLook& look) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    if (!look.toolTip.isEmpty()) button->setToolTip(look.toolTip);
    if (look.isDefault) button->setDefault(true);
    return button;
}

QLineEdit* placeNumberField(QWidget* parent, const QString& name, const QRect& place, int maxLength,
                            bool decimal) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new NumberValidator(maxLength, decimal, edit));
    edit->setGeometry(place);
    return edit;
}

QLineEdit* placeTextField(QWidget* parent, const QString& name, const QRect& place) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(place);
    return edit;
}

QCheckBox* placeCheckBox(QWidget* parent, const QString& name, const QString& text, const QRect& place) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

QComboBox* placeComboBox(QWidget* parent, const QString& name, const QRect& place) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setGeometry(place);
    return box;
}

QFrame* placeBlackPanel(QWidget* parent, const QString& name, const QRect& place, int lineWidth) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(lineWidth);
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel->setPalette(black);
    panel->setGeometry(place);
    return panel;
}

QFrame* placeSeparator(QWidget* parent, const QString& name, const QRect& place) {
    auto* line = new QFrame(parent);
    if (!name.isEmpty()) line->setObjectName(name);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(place);
    return line;
}

void bringToFront(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace lumetra::ui
