#pragma once

#include <QPushButton>

namespace common {

// A command button: the mouse, Space, and Enter (Return or the keypad's
// Enter) while it has the focus click it. It is never a window's default
// button: Enter pressed elsewhere, in a text box for one, clicks nothing.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr, const QString& name = QString(),
                           const QString& caption = QString());

    // A button that is never shown: its Click handler is run by a picture
    // button standing in for it.
    static CommandButton* hidden(QWidget* parent, const QString& name, const QString& caption);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace common
