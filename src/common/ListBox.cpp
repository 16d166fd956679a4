#include "common/ListBox.h"

namespace common {

ListBox::ListBox(QWidget* parent, const QString& name) : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // An entry wider than the list is cut off at its right edge; the list
    // scrolls only up and down.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = selectedItems();
        if (selected.isEmpty())
            return;
        const int selectedRow = row(selected.first());
        if (currentRow() != selectedRow)
            setCurrentRow(selectedRow, QItemSelectionModel::NoUpdate);
        emit picked(selectedRow);
    });
}

} // namespace common
