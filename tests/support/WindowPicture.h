#pragma once
// Compares a window, grabbed as it paints, pixel for pixel with its reference PNG in
// tests/data/windows/. LUMETRA_UPDATE_REFERENCES=1 writes the references instead;
// LUMETRA_SCREENSHOT_DIR, when set, receives a copy of every grabbed picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include "support/Screenshot.h"

namespace lumetra::test {

// Same look on every run: Liberation from fontconfig, no blinking cursor, nothing hovered.
inline void steadyPictures() {
    QApplication::setCursorFlashTime(0);
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
}

inline void expectWindowPicture(QWidget* window, const QString& name) {
    ASSERT_NE(window, nullptr) << name.toStdString();
    window->show();
    QApplication::processEvents();
    const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString file = name + ".png";

    saveScreenshot(picture, file);

    const QString referencePath = QStringLiteral(LUMETRA_SOURCE_DIR "/tests/data/windows/") + file;
    if (qEnvironmentVariable("LUMETRA_UPDATE_REFERENCES") == "1") {
        ASSERT_TRUE(picture.save(referencePath)) << referencePath.toStdString();
        return;
    }
    QImage reference(referencePath);
    ASSERT_FALSE(reference.isNull()) << "no reference " << referencePath.toStdString()
                                     << "; make it with LUMETRA_UPDATE_REFERENCES=1 and look at it";
    reference = reference.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), reference.size()) << file.toStdString();
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != reference.pixel(x, y) && differing++ == 0) first = QPoint(x, y);
    EXPECT_EQ(differing, 0) << file.toStdString() << " differs from its reference, first at " << first.x()
                            << "," << first.y() << " (LUMETRA_SCREENSHOT_DIR shows what was grabbed)";
}

}  // namespace lumetra::test
