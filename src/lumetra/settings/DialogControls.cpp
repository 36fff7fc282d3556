#include "settings/DialogControls.h"

#include <QValidator>

namespace lumetra {
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

}  // namespace

QLineEdit* makeNumberField(QWidget* parent, const QString& name, int maxLength, bool decimal) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new NumberValidator(maxLength, decimal, edit));
    return edit;
}

QLabel* addLabel(QWidget* parent, const QString& text, int left, int top, int width, Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(left, top, width > 0 ? width : label->sizeHint().width(), 16);
    return label;
}

}  // namespace lumetra
