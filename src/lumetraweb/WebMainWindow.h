#pragma once
#include <QWidget>

namespace lumetra {

// The web viewer's main window (TForm1).
class WebMainWindow : public QWidget {
    Q_OBJECT
public:
    explicit WebMainWindow(QWidget* parent = nullptr);
};

}  // namespace lumetra
