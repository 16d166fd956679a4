#include "common/TextBox.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace common {

TextBox::TextBox(QWidget* parent, const QString& name, const QString& text) : QLineEdit(text, parent) {
    setObjectName(name);
    setCursorPosition(0);
    // Qt reports the user's own edits just before their change of text.
    connect(this, &QLineEdit::textEdited, this, [this] { m_userEdit = true; });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!m_userEdit)
            setCursorPosition(0);
        m_userEdit = false;
    });
}

void TextBox::focusInEvent(QFocusEvent* event) {
    const int caret = cursorPosition();
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        // The window or a menu gives the focus back: the box is as it was.
        return;
    case Qt::MouseFocusReason:
        // The press that gave the focus comes next and places the caret.
        m_focusByPress = true;
        return;
    default:
        break;
    }
    if (m_selectsAllOnFocus) {
        selectAll();
    } else {
        // Qt selects the whole text when the keyboard brings the focus.
        deselect();
        setCursorPosition(caret);
    }
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    m_focusByPress = false;
    m_keepSelection = false;
    QLineEdit::focusOutEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    const bool gaveFocus = m_focusByPress;
    m_focusByPress = false;
    if (gaveFocus && m_selectsAllOnFocus && event->button() == Qt::LeftButton) {
        selectAll();
        m_keepSelection = true;
    }
}

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    if (m_keepSelection)
        return;
    QLineEdit::mouseMoveEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    m_keepSelection = false;
}

} // namespace common
