#include "common/TipPageViewer.h"

#include "common/Controls.h"

#include "common/CWordWrap.h"
#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace common {

using platform::placeTwips;

namespace {

QFont labelFont(const TipPageKind::Label& kind) {
    return common::makeFont(QStringLiteral("MS Sans Serif"), kind.points, kind.bold);
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

TipPageViewer::TipPageViewer(const TipPageKind& kind) : platform::Form(kind.formName), m_kind(kind) {
    setWindowTitle(kind.caption);
    setBackColor(kind.backColor);
    setClientSizeTwips(kind.widthTwips, kind.heightTwips);
    QWidget* c = client();

    for (const TipPageKind::Label& l : kind.labels) {
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
            common::setInk(label, kind.labelInk);
        }
        label->setObjectName(l.name);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeTwips(label, l.left, l.top, l.width, l.height);
        m_labels.append(label);
    }

    if (!kind.paneName.isEmpty()) {
        m_pane = new RichTextBox(c);
        m_pane->setObjectName(kind.paneName);
        m_pane->setFont(common::makeFont(QStringLiteral("MS Sans Serif"), 9.75));
        common::setPaletteColor(m_pane, QPalette::Base,
                                kind.whitePane ? QColor(Qt::white) : palette().color(QPalette::Base));
        // The scroll bar, where there is one, stands at the pane's right within its width.
        const int barWidth = kind.scrollBar ? 255 : 0;
        placeTwips(m_pane, kind.paneLeft, kind.paneTop, kind.paneWidth - barWidth, kind.paneHeight);
        if (kind.scrollBar) {
            auto* VScroll1 = new QScrollBar(Qt::Vertical, c);
            VScroll1->setObjectName(QStringLiteral("VScroll1"));
            placeTwips(VScroll1, kind.paneLeft + kind.paneWidth - barWidth, kind.paneTop, barWidth, kind.paneHeight);
        }
    }

    const int bottom = kind.heightTwips - 600;
    if (kind.decorativePicture) {
        auto* Picture2 = new QLabel(c);
        Picture2->setObjectName(QStringLiteral("Picture2"));
        placeTwips(Picture2, 120, bottom, 2400, 480);
        Picture2->setPixmap(ornamentPicture(Picture2->size()));
    }
    for (const TipPageKind::Command& command : kind.commands) {
        const TipPageKind::Action action = command.action;
        QWidget* button = nullptr;
        if (command.picture) {
            auto* picture = PictureButton::create(c, QString(), command.caption, command.left, command.top,
                                                  command.width, command.height);
            connect(picture, &PictureButton::clicked, this, [this, action] { run(action); });
            button = picture;
        } else {
            auto* push = new QPushButton(command.caption, c);
            placeTwips(push, command.left, command.top, command.width, command.height);
            connect(push, &QPushButton::clicked, this, [this, action] { run(action); });
            button = push;
        }
        button->setObjectName(command.name);
    }

    if (!kind.menu.isEmpty()) {
        QMenu* mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
        for (const TipPageKind::Command& item : kind.menu) {
            QAction* action = mnuFile->addAction(item.caption);
            action->setObjectName(item.name);
            const TipPageKind::Action what = item.action;
            connect(action, &QAction::triggered, this, [this, what] { run(what); });
        }
    }
}

void TipPageViewer::Form_Load() {
    for (int i = 0; i < m_labels.size(); ++i) {
        const TipPageKind::Label& l = m_kind.labels[i];
        if (!l.loaded.isNull())
            m_labels[i]->setText(l.loaded);
    }
    if (!m_pane)
        return;

    auto db = platform::Database::openContent();
    if (!db)
        return;
    platform::Recordset rs = db->query(m_kind.sql);
    QStringList tips;
    for (; !rs.eof(); rs.moveNext())
        tips << rs.text(QStringLiteral("Tip"));

    const PaneText pane = composePane(tips, m_kind.marker, m_kind.extraLineEnd);
    m_pane->setText(pane.text);
    // Each paragraph's own marker is formatted where it stands, so a marker
    // inside a tip's text is left as it is.
    const bool whiten = m_kind.marker.trimmed().size() < 4;
    for (int position : pane.markerPositions) {
        m_pane->setSelStart(position);
        m_pane->setSelLength(int(m_kind.marker.size()));
        m_pane->setSelBold(true);
        m_pane->setSelBullet(true);
        if (whiten)
            m_pane->setSelColor(QColor(255, 255, 255));
    }
    m_pane->setSelStart(0);
}

QLabel* TipPageViewer::label(const QString& name) const {
    for (QLabel* l : m_labels)
        if (l->objectName() == name)
            return l;
    return nullptr;
}

QString TipPageViewer::printText() const {
    if (m_pane)
        return m_pane->text();
    QStringList paragraphs;
    for (int i = 0; i < m_labels.size(); ++i)
        if (m_kind.labels[i].printed)
            paragraphs << m_labels[i]->text();
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

void TipPageViewer::printPage() {
    PrintContentPane(m_kind.printHeader, printText());
}

void TipPageViewer::closePage() {
    platform::Forms::unload(objectName());
}

void TipPageViewer::returnHome() {
    platform::Forms::returnToMainWindow(objectName());
}

void TipPageViewer::run(TipPageKind::Action action) {
    switch (action) {
    case TipPageKind::Action::Print:
        printPage();
        break;
    case TipPageKind::Action::Close:
        closePage();
        break;
    case TipPageKind::Action::Home:
        returnHome();
        break;
    }
}

} // namespace common
