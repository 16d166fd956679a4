#include "common/Controls.h"

#include "platform/Twips.h"

#include <QLabel>
#include <QWidget>

namespace common {

QFont makeFont(const QString& family, double points, bool bold, bool underline) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette pal = widget->palette();
    pal.setColor(role, color);
    widget->setPalette(pal);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QColor& ink, int left, int top,
                  int width, int height) {
    QLabel* label = makeLabel(parent, name, caption);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setInk(label, ink);
    platform::placeTwips(label, left, top, width, height);
    return label;
}

void keepOnOneLine(QLabel* label) {
    label->setWordWrap(false);
    const QSize needed = label->sizeHint();
    label->resize(qMax(label->width(), needed.width()), qMax(label->height(), needed.height()));
}

} // namespace common
