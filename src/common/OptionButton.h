#pragma once

#include <QRadioButton>

namespace common {

// An option button whose caption wraps onto further lines within the button's
// box, as the runtime's option buttons do when they are laid out taller than
// one line. Picking it by mouse, keyboard or code is a plain radio button's.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The caption's lines are part of the button, wherever they reach.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace common
