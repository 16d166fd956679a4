#include "common/TipPageViewer.h"

#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/HoverLink.h"
#include "common/RichTextBox.h"
#include "platform/Database.h"

#include <QLabel>
#include <QPainter>

namespace common {

using platform::placeTwips;

namespace {

QFont labelFont(const TipPageKind::Label& kind) {
    return common::makeFont(kind.font, kind.points, kind.bold);
}

// A small picture of stars, the page's ornament.
QPixmap ornamentPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 180, 30));
    const int step = qMax(8, size.width() / 4);
    for (int x = step / 2; x < size.width(); x += step)
        p.drawEllipse(QPoint(x, size.height() / 2), step / 4, step / 4);
    return pixmap;
}

} // namespace

PanePageFrame TipPageKind::usualFrame() {
    PanePageFrame frame;
    frame.backColor = QColor(224, 224, 224);
    frame.pane = {120, 1200, 9360, 5160};
    frame.paneFont = common::makeFont(QStringLiteral("MS Sans Serif"), 9.75);
    return frame;
}

TipPageViewer::PaneText TipPageViewer::composePane(const QStringList& tips, const QString& marker, bool extraLineEnd) {
    PaneText pane;
    pane.markerPositions.reserve(tips.size());
    for (const QString& tip : tips) {
        pane.markerPositions.append(int(pane.text.size()));
        pane.text += marker + tip + QStringLiteral("\n\n");
    }
    if (extraLineEnd && !tips.isEmpty())
        pane.text += QLatin1Char('\n');
    return pane;
}

TipPageViewer::TipPageViewer(TipPageKind kind) : PanePage(kind.page), m_kind(std::move(kind)) {
    QWidget* c = client();
    for (const TipPageKind::Label& l : m_kind.labels) {
        QLabel* label = nullptr;
        if (!l.linkTarget.isEmpty()) {
            auto* link = new HoverLink(l.stored, c);
            link->setFont(labelFont(l));
            // White at rest and underlined, red while the mouse is over it.
            link->setColors(QColor(255, 255, 255), QColor(255, 0, 0));
            link->setUnderlineAtRest(true);
            const QString target = l.linkTarget;
            connect(link, &HoverLink::clicked, this, [target] { platform::Forms::open(target); });
            label = link;
        } else {
            label = new QLabel(l.stored, c);
            label->setFont(labelFont(l));
            common::setInk(label, m_kind.labelInk);
        }
        label->setObjectName(l.name);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeTwips(label, l.left, l.top, l.width, l.height);
        m_labels.append(label);
    }

    if (m_kind.decorativePicture) {
        auto* Picture2 = new QLabel(c);
        Picture2->setObjectName(QStringLiteral("Picture2"));
        placeTwips(Picture2, 120, m_kind.page.heightTwips - 600, 2400, 480);
        Picture2->setPixmap(ornamentPicture(Picture2->size()));
    }
}

void TipPageViewer::Form_Load() {
    for (int i = 0; i < m_labels.size(); ++i) {
        const TipPageKind::Label& l = m_kind.labels[i];
        if (!l.loaded.isNull())
            m_labels[i]->setText(l.loaded);
    }
    PanePage::Form_Load();
}

void TipPageViewer::fillPage(platform::Database& db) {
    QStringList tips;
    for (platform::Recordset rs = queryOrSay(db, m_kind.sql); !rs.eof(); rs.moveNext())
        tips << rs.text(QStringLiteral("Tip"));

    const PaneText text = composePane(tips, m_kind.marker, m_kind.extraLineEnd);
    RichTextBox* box = pane();
    box->setText(text.text);
    // Each paragraph's own marker is formatted where it stands, so a marker
    // inside a tip's text is left as it is.
    const bool whiten = m_kind.marker.trimmed().size() < 4;
    for (int position : text.markerPositions) {
        box->setSelStart(position);
        box->setSelLength(int(m_kind.marker.size()));
        box->setSelBold(true);
        box->setSelBullet(true);
        if (whiten)
            box->setSelColor(QColor(255, 255, 255));
    }
    box->setSelStart(0);
}

QString TipPageViewer::printText() const {
    if (pane())
        return PanePage::printText();
    QStringList paragraphs;
    for (int i = 0; i < m_labels.size(); ++i)
        if (m_kind.labels[i].printed)
            paragraphs << m_labels[i]->text();
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace common
