#include "MonthCalendar.h"

#include <QMouseEvent>
#include <QPainter>

#include "base/Cp1252.h"

namespace lumetra {

MonthCalendar::MonthCalendar(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void MonthCalendar::setModel(const DatePickerModel* model) {
    model_ = model;
    update();
}

QRect MonthCalendar::cellRect(int row, int column) const {
    const int left = column * width() / DatePickerModel::kColumns;
    const int right = (column + 1) * width() / DatePickerModel::kColumns;
    const int top = row * height() / DatePickerModel::kRows;
    const int bottom = (row + 1) * height() / DatePickerModel::kRows;
    return QRect(left, top, right - left, bottom - top);
}

QRect MonthCalendar::dayRect(int day) const {
    if (model_)
        for (int row = 1; row < DatePickerModel::kRows; ++row)
            for (int column = 0; column < DatePickerModel::kColumns; ++column)
                if (model_->dayAt(row, column) == day) return cellRect(row, column);
    return {};
}

int MonthCalendar::dayAtPoint(const QPoint& point) const {
    if (!model_ || !rect().contains(point)) return 0;
    const int column = point.x() * DatePickerModel::kColumns / width();
    const int row = point.y() * DatePickerModel::kRows / height();
    return model_->dayAt(row, column);
}

void MonthCalendar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Base));
    if (!model_) return;

    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(pal.color(QPalette::Text));
    for (int column = 0; column < DatePickerModel::kColumns; ++column)
        p.drawText(cellRect(0, column), Qt::AlignCenter, fromCp1252(DatePickerModel::headerText(column)));
    const QRect header = cellRect(0, 0);
    p.drawLine(0, header.bottom(), width() - 1, header.bottom());

    p.setFont(font());
    for (int row = 1; row < DatePickerModel::kRows; ++row) {
        for (int column = 0; column < DatePickerModel::kColumns; ++column) {
            const int day = model_->dayAt(row, column);
            if (day == 0) continue;
            const QRect cell = cellRect(row, column);
            const bool selected = day == model_->date().day;
            if (selected) p.fillRect(cell.adjusted(1, 1, -1, -1), pal.color(QPalette::Highlight));
            p.setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
            p.drawText(cell, Qt::AlignCenter, QString::number(day));
        }
    }
}

void MonthCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int day = dayAtPoint(event->position().toPoint());
    if (day > 0) emit dayClicked(day);
}

void MonthCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int day = dayAtPoint(event->position().toPoint());
    if (day > 0) emit dayClicked(day);
    emit doubleClicked();
}

}  // namespace lumetra
