#include "common/HoverLink.h"

#include <QMouseEvent>

namespace common {

HoverLink::HoverLink(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setProperty("travistoHoverLink", true);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    restore();
}

void HoverLink::setColors(const QColor& rest, const QColor& hover) {
    m_rest = rest;
    m_hover = hover;
    m_hovered ? this->hover() : restore();
}

void HoverLink::setUnderlineAtRest(bool on) {
    m_underlineAtRest = on;
    m_hovered ? hover() : restore();
}

void HoverLink::setKeepUnderline(bool on) {
    m_keepUnderline = on;
    m_hovered ? hover() : restore();
}

void HoverLink::apply(const QColor& color, bool underline) {
    m_current = color;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void HoverLink::restore() {
    m_hovered = false;
    apply(m_rest, m_underlineAtRest);
}

void HoverLink::hover() {
    m_hovered = true;
    apply(m_hover, m_keepUnderline && m_underlineAtRest);
}

void HoverLink::mouseMoveEvent(QMouseEvent* event) {
    if (!m_hovered)
        hover();
    // Taken here: passed on, it would reach the window background and restore the link.
    event->accept();
}

void HoverLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace common
