#pragma once

#include <QListWidget>

namespace common {

// A list box of single entries. `picked` is raised for every change of the
// selected entry, by the mouse or by the keyboard (arrows, PageUp, PageDown,
// Home, End, typing a first letter), and for a selection made from code;
// the focus arriving in the list selects nothing and raises nothing. It has
// no horizontal scroll bar.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr, const QString& name = QString());

signals:
    // The row now selected; the list's current row is that row.
    void picked(int row);
};

} // namespace common
