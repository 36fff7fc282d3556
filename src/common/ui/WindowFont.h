#pragma once
#include <QFont>

namespace lumetra {

// The windows place their controls at fixed pixels laid out for a small 8-point face;
// 11-pixel Liberation Sans fits them where the desktop's default font would be cut off.
inline QFont windowFont() {
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    return font;
}

}  // namespace lumetra
