#include "common/CommandButton.h"

#include <QKeyEvent>

namespace common {

CommandButton::CommandButton(QWidget* parent, const QString& name, const QString& caption)
    : QPushButton(caption, parent) {
    setObjectName(name);
    // Enter is handled below, for this button alone; a default button would
    // take Enter from the other controls of a dialog.
    setAutoDefault(false);
    setDefault(false);
}

CommandButton* CommandButton::hidden(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new CommandButton(parent, name, caption);
    button->hide();
    return button;
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace common
