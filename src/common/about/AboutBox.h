#pragma once
// The About box (TForm4) of both programs; only the program name differs.
#include "ui/FixedWindow.h"

namespace lumetra {

class AboutBox : public ui::FixedWindow {
    Q_OBJECT
public:
    AboutBox(const QString& programName, QWidget* parent = nullptr);

    void OKClick();
};

}  // namespace lumetra
