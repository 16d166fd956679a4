#pragma once

#include <QColor>
#include <QLabel>
#include <QPointer>

namespace platform {
class Form;
}

namespace common {

// A label that opens a window or a web page. At rest it shows its rest colour
// (underlined on most windows); while the mouse moves over it, it takes the
// hover colour and, unless told to keep it, loses its underline. Moving over
// the window's background restores every link of the window.
class HoverLink : public QLabel {
    Q_OBJECT
public:
    explicit HoverLink(const QString& caption, QWidget* parent = nullptr);

    void setColors(const QColor& rest, const QColor& hover);
    void setUnderlineAtRest(bool on);
    // Keeps the underline also while hovered.
    void setKeepUnderline(bool on);

    QColor currentColor() const { return m_current; }
    bool isUnderlined() const { return font().underline(); }
    bool isHovered() const { return m_hovered; }

    // Back to the rest colour and underline.
    void restore();
    // Takes the hover look until the window's background is touched.
    void hover();

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void apply(const QColor& color, bool underline);
    // Follows the background of the window the link sits on, so that
    // touching it brings the link back to rest.
    void followWindowBackground();

    QColor m_rest{0, 0, 255};
    QColor m_hover{255, 0, 0};
    QColor m_current;
    bool m_underlineAtRest = true;
    bool m_keepUnderline = false;
    bool m_hovered = false;
    QPointer<platform::Form> m_followed;
};

} // namespace common
