#pragma once
// Pictures for a person to look at, asked for one way: LUMETRA_SCREENSHOT_DIR names the
// directory they go to. Unset, nothing is written.
#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>

namespace lumetra::test {

inline void saveScreenshot(const QImage& picture, const QString& fileName) {
    const QString dir = qEnvironmentVariable("LUMETRA_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    picture.save(QDir(dir).filePath(fileName));
}

inline void saveScreenshot(QWidget& window, const QString& fileName) {
    if (qEnvironmentVariableIsSet("LUMETRA_SCREENSHOT_DIR"))
        saveScreenshot(window.grab().toImage(), fileName);
}

}  // namespace lumetra::test
