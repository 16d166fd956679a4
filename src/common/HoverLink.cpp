#include "common/HoverLink.h"

#include "platform/Forms.h"

#include <QMouseEvent>

namespace common {

HoverLink::HoverLink(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
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
    followWindowBackground();
    m_hovered = true;
    apply(m_hover, m_keepUnderline && m_underlineAtRest);
}

void HoverLink::followWindowBackground() {
    // Only a hovered link needs bringing back, so the link starts following
    // its window the first time it is hovered there.
    auto* form = qobject_cast<platform::Form*>(window());
    if (form && !form->client()->isAncestorOf(this))
        form = nullptr;
    if (form == m_followed)
        return;
    if (m_followed)
        disconnect(m_followed, &platform::Form::backgroundTouched, this, nullptr);
    m_followed = form;
    if (form)
        connect(form, &platform::Form::backgroundTouched, this, [this] {
            if (m_hovered)
                restore();
        });
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
