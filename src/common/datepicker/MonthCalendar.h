#pragma once
// A 7 × 7 month grid: the weekday row, then the weeks; cells outside the month stay empty
// and cannot be chosen. It only shows the model's date and reports clicks.
#include <QWidget>

#include "base/DatePicker.h"

namespace lumetra {

class MonthCalendar : public QWidget {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    void setModel(const DatePickerModel* model);
    // The cell's rectangle (tests click into it).
    QRect cellRect(int row, int column) const;
    QRect dayRect(int day) const;

signals:
    void dayClicked(int day);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int dayAtPoint(const QPoint& point) const;

    const DatePickerModel* model_ = nullptr;
};

}  // namespace lumetra
