#pragma once
// The one way a test binary gets its QApplication: made on first use and never destroyed
// (tearing it down after Qt's own statics are gone crashes at exit). Every call leaves the
// dialogs' test mode on, so no test can block on a modal box, not even after one that
// switched it off; a fixture that calls Dialogs::setTestMode(true) again only clears what
// earlier tests queued or recorded.
#include <QApplication>

#include "ui/Dialogs.h"

namespace lumetra::test {

inline QApplication& qtApp() {
    static QApplication* app = [] {
        static int argc = 1;
        static char name[] = "lumetra-test";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    if (!Dialogs::testMode()) Dialogs::setTestMode(true);
    return *app;
}

}  // namespace lumetra::test
