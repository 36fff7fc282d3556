#pragma once
// The About box (TForm4) of both programs; only the program name differs.
#include <QDialog>

namespace lumetra {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const QString& programName, QWidget* parent = nullptr);

    void OKClick();
};

}  // namespace lumetra
