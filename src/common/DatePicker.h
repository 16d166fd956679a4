#pragma once

#include <QDateEdit>

namespace common {

// A date picker: the date shown in the user's short date form, a calendar
// that drops down from the arrow, and the date's parts edited by typing or
// stepped with Up and Down while the picker has the focus.
//
// Like the drop-down lists, a closed picker ignores the wheel (the window
// beneath may scroll), and the wheel never gives it the focus. A click on
// its frame, outside the date's text and the arrow, only gives it the focus:
// it never steps the date.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr, const QString& name = QString());

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace common
