#pragma once
// Stands in for the shared About box until it is available.
#include <QWidget>

#include <functional>
#include <string>


namespace lumetra {

// TForm4 "Info...": the program name in silver sunken lettering and two credit lines.
class AboutBoxStandIn : public QWidget {
public:
    explicit AboutBoxStandIn(const QString& programName, QWidget* parent = nullptr);
};

}  // namespace lumetra
