#pragma once

#include <QComboBox>

namespace common {

// An editable drop-down list: a text field with a list of entries beneath it.
// The shown text is the box's value; the user may type any text or pick an
// entry.
//
// `picked` is raised only by the user's own choice: an entry chosen from the
// opened list (mouse, or keys inside the list), or a move to another entry
// with Up, Down, PageUp or PageDown while the box has the focus. Typing,
// Enter, leaving the box, the wheel over the closed box and anything done
// from code raise nothing and pick nothing: typed text stays as typed, with
// no completion and no matching against the entries. The wheel over the
// closed box goes on to the window beneath it.
class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget* parent = nullptr, const QString& name = QString());

    // Sets the shown text from code: no entry is chosen and no pick is raised.
    void setShownText(const QString& text);
    // Chooses the entry at `position` from code, showing its text; a position
    // outside the list chooses nothing and leaves the shown text. No pick.
    void choose(int position);
    // The position of the entry last chosen, or -1 when none is: nothing
    // chosen yet, or text typed since the last choice (even text that spells
    // an entry).
    int chosenPosition() const;
    // The colour behind the text field and the opened list's entries.
    void setBackColor(const QColor& color);

signals:
    void picked(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void pick(int position);
    // The entry an arrow key moves from: the chosen one, or else the entry
    // that the shown text names.
    int moveStart() const;

    bool m_typed = false;
};

} // namespace common
