#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QLabel;
class QWidget;

// Small helpers the windows share when they build their controls.
namespace common {

QFont makeFont(const QString& family, double points, bool bold = false, bool underline = false);

// Sets one colour of a control's palette.
void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color);
// Sets the colour a control draws its text in.
inline void setInk(QWidget* widget, const QColor& ink) {
    setPaletteColor(widget, QPalette::WindowText, ink);
}

// A label with its control name.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption);
// A word-wrapped label in `ink`, placed at left, top, width, height in twips.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QColor& ink, int left, int top,
                  int width, int height);
// A one-line caption keeps all its words: where the lettering runs wider than
// its place, the label grows to the right (and down); it never shrinks.
void keepOnOneLine(QLabel* label);

} // namespace common
