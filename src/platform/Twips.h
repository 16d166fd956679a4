#pragma once

#include <QWidget>

namespace platform {

// Window layouts are given in twips: 1440 to the inch, 15 to the pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// Places a control at left, top, width and height given in twips within its parent.
inline void placeTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// Where a control stands within its parent, in twips.
struct TwipsRect {
    int left = 0, top = 0, width = 0, height = 0;
};

inline void placeTwips(QWidget* w, const TwipsRect& r) {
    placeTwips(w, r.left, r.top, r.width, r.height);
}

// A colour written as the windowing runtime writes it: &H00BBGGRR.
inline QColor bgrColor(unsigned int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace platform
