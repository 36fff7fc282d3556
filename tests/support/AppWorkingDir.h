#pragma once
// What a start-up of the program needs around it: dialogs in test mode with no box shown
// yet, a fixed "today", and the test's scratch folder as the working directory, all undone
// when the test ends. Declare it after the folder it enters.
#include <QDir>
#include <QString>

#include "base/Clock.h"
#include "base/Cp1252.h"
#include "support/QtApp.h"
#include "support/TempDir.h"
#include "ui/Dialogs.h"

namespace lumetra::test {

class AppWorkingDir {
public:
    explicit AppWorkingDir(const TempDir& dir, Date today = {2024, 5, 20}) : previous_(QDir::currentPath()) {
        qtApp();
        Dialogs::setTestMode(true);
        Dialogs::shownMessages().clear();
        Clock::setToday(today);
        QDir::setCurrent(fromCp1252(dir.path()));
    }
    ~AppWorkingDir() {
        QDir::setCurrent(previous_);
        Clock::reset();
    }
    AppWorkingDir(const AppWorkingDir&) = delete;
    AppWorkingDir& operator=(const AppWorkingDir&) = delete;

private:
    QString previous_;
};

}  // namespace lumetra::test
