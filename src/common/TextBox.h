#pragma once

#include <QLineEdit>

namespace common {

// A single-line text box. Entering it, by the mouse or by the keyboard
// (Tab, Backtab, a shortcut), selects nothing: the mouse puts the caret
// where it clicks, the keyboard leaves the caret where it was. A text set by
// the program puts the caret at its start, so a text longer than the box
// shows its beginning.
//
// A box made to select all on focus selects its whole text whenever it gets
// the focus (by the mouse, the keyboard or the program), so that typing
// replaces it; a click that gives the focus keeps that selection.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr, const QString& name = QString(), const QString& text = QString());

    void setSelectsAllOnFocus(bool on) { m_selectsAllOnFocus = on; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_selectsAllOnFocus = false;
    // The focus came with a mouse press that has yet to arrive.
    bool m_focusByPress = false;
    // The press that gave the focus selected all; the mouse moving until its
    // release changes nothing.
    bool m_keepSelection = false;
    // The text is changing by the user's own edit, not by the program.
    bool m_userEdit = false;
};

} // namespace common
