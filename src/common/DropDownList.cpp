#include "common/DropDownList.h"

#include "common/Controls.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace common {

DropDownList::DropDownList(QWidget* parent, const QString& name) : QComboBox(parent) {
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // No inline completion: "N" stays "N", never "No".
    setCompleter(nullptr);
    // Enter and the focus leaving the text would otherwise choose the entry
    // that matches the typed text.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    // A box filled while it chooses nothing keeps its shown text: Qt chooses
    // the first entry of a list that had none only when the box has no
    // placeholder, and an editable box never paints its placeholder.
    setPlaceholderText(QStringLiteral(" "));
    // The wheel does not take the focus either.
    setFocusPolicy(Qt::StrongFocus);

    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_typed = true; });
    connect(this, &QComboBox::currentIndexChanged, this, [this] { m_typed = false; });
    // Enter, the focus leaving, the wheel and the arrow keys are handled here,
    // so Qt reports only a choice made in the opened list.
    connect(this, &QComboBox::activated, this, &DropDownList::pick);
}

void DropDownList::setShownText(const QString& text) {
    setCurrentIndex(-1);
    m_typed = false;
    setEditText(text);
    // A text longer than the box shows its start.
    lineEdit()->setCursorPosition(0);
}

void DropDownList::choose(int position) {
    if (position < 0 || position >= count())
        return;
    setCurrentIndex(position);
    m_typed = false;
    setEditText(itemText(position));
}

int DropDownList::chosenPosition() const {
    return m_typed ? -1 : currentIndex();
}

void DropDownList::setBackColor(const QColor& color) {
    setPaletteColor(this, QPalette::Base, color);
}

void DropDownList::pick(int position) {
    m_typed = false;
    emit picked(position);
}

int DropDownList::moveStart() const {
    const int chosen = chosenPosition();
    return chosen >= 0 ? chosen : findText(currentText());
}

void DropDownList::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        step = plain ? -1 : 0;
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        step = plain ? 1 : 0;
        break;
    default:
        break;
    }
    if (step == 0) {
        // Everything else edits the text (Home and End move the caret) or opens the list.
        QComboBox::keyPressEvent(event);
        return;
    }
    event->accept();
    const int start = moveStart();
    const int target = start < 0 ? (step > 0 ? 0 : -1) : start + step;
    if (target < 0 || target >= count())
        return;
    setCurrentIndex(target);
    // The same entry as Qt's current one: show its text again over typed text.
    setEditText(itemText(target));
    pick(target);
}

void DropDownList::wheelEvent(QWheelEvent* event) {
    // A closed list changes nothing; the window beneath may scroll. The
    // opened list takes the wheel itself.
    event->ignore();
}

} // namespace common
