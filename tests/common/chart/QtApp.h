#pragma once
// One QApplication for the widget tests of this binary; made before the first test and
// destroyed after the last, not at static destruction where Qt's plugins are gone.
#include <QApplication>

inline QApplication& qtApp() { return *static_cast<QApplication*>(QApplication::instance()); }
