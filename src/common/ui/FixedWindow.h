#pragma once
// The one base of every window of both programs: object name, caption, client size, font
// and window flags set in one place.
#include <QSize>
#include <QString>
#include <QWidget>

#include "ui/With.h"

namespace lumetra::ui {

enum class WindowKind {
    Dialog,     // a secondary window of fixed size
    Main,       // the program's main window: fixed size, minimise and close
    Resizable,  // a secondary window the user may size; clientSize is where it starts
};

struct WindowSetup {
    const char* objectName;
    QString caption;
    QSize clientSize;
    WindowKind kind = WindowKind::Dialog;
    bool windowFont = true;   // the small face the pixel places were laid out for
    bool dialogKeys = false;  // Escape hides, Return presses the default button

    WindowSetup as(WindowKind k) const { return with(*this, &WindowSetup::kind, k); }
    WindowSetup withDesktopFont() const { return with(*this, &WindowSetup::windowFont, false); }
    WindowSetup withDialogKeys() const { return with(*this, &WindowSetup::dialogKeys, true); }
};

class FixedWindow : public QWidget {
    Q_OBJECT
public:
    FixedWindow(const WindowSetup& setup, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool dialogKeys_;
};

}  // namespace lumetra::ui
