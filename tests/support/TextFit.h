#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Whether what a control shows of its own texts can be read whole in its box,
// in the font it has now: a label's or button's caption (wrapped where the
// control wraps it), each entry of a list. Each gives a description of what
// is cut, or nothing when all fits.
QString cutCaption(const QWidget* control);
QStringList cutEntries(const QWidget* list);
