#pragma once

#include <QPixmap>
#include <QWidget>

namespace common {

// A picture used as a push button: a click runs its action; while the mouse
// button is held down on it, the picture shows a one-line border.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }
    bool isPressed() const { return m_pressed; }

    // A picture of a caption drawn by the program: lettering centred on a
    // coloured ground with a thin frame.
    static QPixmap captionPicture(const QSize& size, const QString& caption, const QColor& ink, const QColor& ground,
                                  int pointSize = 10);
    // The usual quick-link look: blue lettering on pale yellow.
    static QPixmap linkPicture(const QSize& size, const QString& caption);
    // A named button placed at left, top, width, height in twips, showing
    // `caption` in the quick-link look.
    static PictureButton* create(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                 int width, int height);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    bool m_pressed = false;
};

} // namespace common
