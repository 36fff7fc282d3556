#include "ui/FixedWindow.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/WindowFont.h"

namespace lumetra::ui {
namespace {

Qt::WindowFlags flagsOf(WindowKind kind) {
    switch (kind) {
        case WindowKind::Main:
            return Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint;
        case WindowKind::Resizable:
            return Qt::Window;
        case WindowKind::Dialog:
            break;
    }
    return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;
}

}  // namespace

FixedWindow::FixedWindow(const WindowSetup& setup, QWidget* parent)
    : QWidget(parent, flagsOf(setup.kind)), dialogKeys_(setup.dialogKeys) {
    setObjectName(setup.objectName);
    setWindowTitle(setup.caption);
    if (setup.kind == WindowKind::Resizable)
        resize(setup.clientSize);
    else
        setFixedSize(setup.clientSize);
    if (setup.windowFont) setFont(windowFont());
}

void FixedWindow::keyPressEvent(QKeyEvent* event) {
    if (dialogKeys_ && event->modifiers() == Qt::NoModifier) {
        if (event->key() == Qt::Key_Escape) {
            hide();
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            for (QPushButton* button : findChildren<QPushButton*>())
                if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                    button->click();
                    return;
                }
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace lumetra::ui
