#include "common/PictureButton.h"

#include "platform/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace common {

PictureButton::PictureButton(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

QPixmap PictureButton::captionPicture(const QSize& size, const QString& caption, const QColor& ink,
                                      const QColor& ground, int pointSize) {
    QPixmap pixmap(size);
    pixmap.fill(ground);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink.darker(130), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 4, 4);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(pointSize);
    // Shrink the lettering until the caption fits.
    while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(caption) > size.width() - 8)
        font.setPointSize(font.pointSize() - 1);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(pixmap.rect(), Qt::AlignCenter, caption);
    return pixmap;
}

QPixmap PictureButton::linkPicture(const QSize& size, const QString& caption) {
    return captionPicture(size, caption, QColor(0, 0, 192), QColor(255, 255, 204));
}

PictureButton* PictureButton::create(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                     int width, int height) {
    auto* button = new PictureButton(parent);
    button->setObjectName(name);
    platform::placeTwips(button, left, top, width, height);
    button->setPicture(linkPicture(button->size(), caption));
    return button;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_picture.isNull())
        p.drawPixmap(rect(), m_picture);
    if (m_pressed) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    update();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace common
