#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "base/ErrorReporter.h"
#include "lumetra/settings/SettingsFakes.h"
#include "settings/LocationEditor.h"
#include "settings/SettingsDialog.h"
#include "support/QtApp.h"
#include "support/Screenshot.h"
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
    // The window as it paints, with a copy for LUMETRA_SCREENSHOT_DIR.
    QImage picture(QWidget* window, const char* file) {
        window->show();
        QApplication::processEvents();
        const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        saveScreenshot(shot, file);
        return shot;
    }
    template <typename Keep>
    static int countPixels(const QImage& shot, const QRect& area, Keep keep) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += keep(shot.pixel(x, y)) ? 1 : 0;
        return n;
    }
    static bool dark(QRgb p) { return qGray(p) < 128; }
    static bool light(QRgb p) { return qGray(p) > 200; }

    TempDir dir;
    RecordingMain main;
    RecordingReporter reporter;
    AppContext context;
    std::unique_ptr<SettingsDialog> settings;
    std::unique_ptr<LocationEditor> editor;
};

}  // namespace lumetra::test
