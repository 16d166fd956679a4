#include "common/DatePicker.h"

#include "platform/Services.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWheelEvent>

namespace common {

DatePicker::DatePicker(QWidget* parent, const QString& name) : QDateEdit(parent) {
    setObjectName(name);
    setCalendarPopup(true);
    setDisplayFormat(platform::shortDateFormat());
    setFocusPolicy(Qt::StrongFocus);
}

void DatePicker::mousePressEvent(QMouseEvent* event) {
    // The picker is drawn as a drop-down box: only its arrow opens the
    // calendar. Elsewhere on the frame Qt would take the click for a step
    // down of the date's first part.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    if (arrow.contains(event->position().toPoint())) {
        QDateEdit::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void DatePicker::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

} // namespace common
