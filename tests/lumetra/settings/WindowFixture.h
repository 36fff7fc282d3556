#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "base/ErrorReporter.h"
#include "lumetra/settings/SettingsFakes.h"
#include "settings/LocationEditor.h"
#include "settings/SettingsDialog.h"
#include "support/QtApp.h"
#include "support/TempDir.h"
#include "ui/Dialogs.h"

namespace lumetra::test {

// A working directory with DATA, and both windows created in start-up order.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        qtApp();
        Dialogs::setTestMode(true);
        dir.mkdir("DATA");
        context.dirs = {dir.path(), dir.file("DATA"), dir.path(), dir.path()};
        context.main = &main;
    }
    ~WindowTest() override { Dialogs::setTestMode(false); }

    void create() {
        settings = std::make_unique<SettingsDialog>(context);
        editor = std::make_unique<LocationEditor>(context, *settings);
    }
    template <typename T = QWidget>
    T* control(QWidget* window, const char* name) {
        auto* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(QWidget* window, const char* button) {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }
    QLineEdit* field(QWidget* window, const char* name) { return control<QLineEdit>(window, name); }
    // Saves a picture of the window when LUMETRA_SCREENSHOTS names a directory.
    void screenshot(QWidget* window, const char* file) {
        if (const char* target = std::getenv("LUMETRA_SCREENSHOTS"))
            window->grab().save(QString(target) + "/" + file);
    }

    TempDir dir;
    RecordingMain main;
    RecordingReporter reporter;
    AppContext context;
    std::unique_ptr<SettingsDialog> settings;
    std::unique_ptr<LocationEditor> editor;
};

}  // namespace lumetra::test
