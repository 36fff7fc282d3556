#pragma once
#include <QWidget>

namespace lumetra {

// The desktop program's main window (TForm1).
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace lumetra
