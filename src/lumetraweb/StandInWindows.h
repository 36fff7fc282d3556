#pragma once
// Stand-ins for the shared About box and date picker until they are available.
#include <QWidget>

#include <functional>
#include <string>

class QCalendarWidget;

namespace lumetra {

// TForm4 "Info...": the program name in silver sunken lettering and two credit lines.
class AboutBoxStandIn : public QWidget {
public:
    explicit AboutBoxStandIn(const QString& programName, QWidget* parent = nullptr);
};

// TForm11 "Datum": hands the chosen day as dd.mm.yyyy to `onChosen`.
class DatePickerStandIn : public QWidget {
public:
    explicit DatePickerStandIn(std::function<void(const std::string&)> onChosen, QWidget* parent = nullptr);
    void choose();

private:
    std::function<void(const std::string&)> onChosen_;
    QCalendarWidget* calendar_;
};

}  // namespace lumetra
