#include "TextFit.h"

#include "common/OptionButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

namespace {

QString sizeText(const QSize& s) {
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

// The text's extent when laid out in `area` with `flags`; it fits when it needs no more than the area.
QString cutIn(const QFontMetrics& fm, const QRect& area, int flags, const QString& text) {
    const QRect needed = fm.boundingRect(QRect(area.topLeft(), QSize(area.width(), 100000)), flags, text);
    if (needed.width() <= area.width() && needed.height() <= area.height())
        return {};
    return QStringLiteral("needs %1, has %2").arg(sizeText(needed.size()), sizeText(area.size()));
}

QString cutLabel(const QLabel* label) {
    if (!label->wordWrap()) {
        const QSize needed = label->sizeHint();
        if (needed.width() <= label->width() && needed.height() <= label->height())
            return {};
        return QStringLiteral("needs %1, has %2").arg(sizeText(needed), sizeText(label->size()));
    }
    const QRect area =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
        const int height = label->heightForWidth(label->width());
        if (height <= label->height())
            return {};
        return QStringLiteral("needs height %1, has %2").arg(height).arg(label->height());
    }
    return cutIn(label->fontMetrics(), area, int(label->alignment()) | Qt::TextWordWrap, label->text());
}

QString cutButton(const QAbstractButton* button) {
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    const QRect area = button->style()->subElementRect(contents, &opt, button);
    int flags = Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignVCenter;
    if (qobject_cast<const common::OptionButton*>(button))
        flags |= Qt::TextWordWrap;
    else
        flags |= Qt::TextSingleLine;
    return cutIn(button->fontMetrics(), area, flags, button->text());
}

} // namespace

QString cutCaption(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text().isEmpty() ? QString() : cutLabel(label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text().isEmpty() ? QString() : cutButton(button);
    return {};
}

QStringList cutEntries(const QWidget* list) {
    QStringList entries;
    int room = 0;
    if (const auto* combo = qobject_cast<const QComboBox*>(list)) {
        if (combo->lineEdit()) {
            // A line edit keeps a small margin on each side of its text.
            room = combo->lineEdit()->contentsRect().width() - 4;
        } else {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            room =
                combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo).width() -
                2;
        }
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
    } else if (const auto* box = qobject_cast<const QListWidget*>(list)) {
        // The item view leaves a focus-frame margin on each side of an entry.
        const int margin = box->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, box) + 1;
        room = box->viewport()->width() - 2 * margin;
        for (int i = 0; i < box->count(); ++i)
            entries << box->item(i)->text();
    }
    QStringList cut;
    for (const QString& entry : entries) {
        const int width = list->fontMetrics().horizontalAdvance(entry);
        if (width > room)
            cut << QStringLiteral("\"%1\" needs %2, has %3").arg(entry).arg(width).arg(room);
    }
    return cut;
}
