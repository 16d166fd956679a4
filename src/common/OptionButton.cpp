#include "common/OptionButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace common {

void OptionButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);

    QStyleOptionButton indicator = opt;
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, this);
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    // The caption keeps the mnemonic rule of every button: "&&" shows one ampersand.
    const QRect area = style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, this);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    p.drawItemText(area, flags, opt.palette, isEnabled(), opt.text, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(opt);
        focus.rect = p.fontMetrics().boundingRect(area, flags, opt.text).adjusted(-1, 0, 1, 0) & rect();
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace common
