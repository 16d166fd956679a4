#include "organiser/ChecklistWindow.h"

#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/PictureButton.h"
#include "platform/Database.h"
#include "platform/Printer.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>

using platform::placeTwips;
using platform::twipsToPixels;

namespace organiser {

namespace {

using common::makeFont;
using common::setInk;

constexpr std::array<int, ChecklistWindow::kMaxSteps> kFinishedNumbers = {1, 5, 7, 9, 11, 14, 16, 18, 20, 22};
constexpr std::array<int, ChecklistWindow::kMaxSteps> kDoneMarkNumbers = {2, 6, 8, 10, 12, 15, 17, 19, 21, 23};

constexpr int kClientWidth = 9885;
constexpr int kButtonWidth = 1200;   // 80 pixels
constexpr int kButtonHeight = 360;   // 24 pixels
constexpr int kFinishedWidth = 1005; // 67 pixels
constexpr int kFinishedHeight = 300; // 20 pixels
constexpr int kMarkWidth = 390;      // 26 pixels
constexpr int kMarkHeight = 375;     // 25 pixels
constexpr int kAllDoneWidth = 1425;  // 95 pixels
constexpr int kAllDoneHeight = 3000; // 200 pixels
constexpr int kTextLeft = 960;
constexpr int kTextRight = 8280;

const QColor kDarkBlue = platform::bgrColor(0x00800000);

// A grey push-button face labelled "Finished".
QPixmap finishedPicture() {
    QPixmap pixmap(67, 20);
    pixmap.fill(QColor(192, 192, 192));
    QPainter p(&pixmap);
    p.setPen(Qt::white);
    p.drawLine(0, 0, 66, 0);
    p.drawLine(0, 0, 0, 19);
    p.setPen(QColor(64, 64, 64));
    p.drawLine(1, 19, 66, 19);
    p.drawLine(66, 1, 66, 19);
    p.setPen(Qt::black);
    p.setFont(makeFont(QStringLiteral("Arial"), 8, true));
    p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("Finished"));
    return pixmap;
}

// The done mark: a ticked check box.
QPixmap doneMarkPicture() {
    QPixmap pixmap(26, 25);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 4.5, 17, 17));
    QPainterPath tick;
    tick.moveTo(6, 13);
    tick.lineTo(11, 19);
    tick.lineTo(24, 2);
    p.setPen(QPen(QColor(0, 140, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return pixmap;
}

// The all-done picture: a graduate in cap and gown holding a diploma, over
// the word Congratulations and the user's new title.
QPixmap allDonePicture() {
    QPixmap pixmap(95, 200);
    pixmap.fill(QColor(255, 255, 225));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Gown.
    p.setBrush(QColor(30, 30, 110));
    p.drawPolygon(QPolygonF({QPointF(47, 58), QPointF(22, 128), QPointF(72, 128)}));
    // Face and hands.
    p.setBrush(QColor(250, 210, 170));
    p.drawEllipse(QPointF(47, 46), 12, 13);
    p.drawEllipse(QPointF(66, 86), 4, 4);
    // Smile and eyes.
    p.setPen(QPen(Qt::black, 1.2));
    p.drawPoint(QPointF(43, 44));
    p.drawPoint(QPointF(51, 44));
    p.drawArc(QRectF(41, 44, 12, 8), 200 * 16, 140 * 16);
    // Mortarboard with its tassel.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({QPointF(47, 22), QPointF(70, 30), QPointF(47, 38), QPointF(24, 30)}));
    p.drawRect(QRectF(38, 32, 18, 5));
    p.setPen(QPen(QColor(230, 180, 0), 1.5));
    p.drawLine(QPointF(47, 30), QPointF(66, 34));
    p.drawLine(QPointF(66, 34), QPointF(66, 44));
    // The rolled diploma with its ribbon.
    p.setPen(QPen(QColor(120, 100, 60), 1));
    p.setBrush(QColor(250, 245, 230));
    p.drawRoundedRect(QRectF(58, 72, 30, 8), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 0));
    p.drawRect(QRectF(71, 72, 3, 8));
    // The words.
    p.setPen(QColor(200, 0, 0));
    p.setFont(makeFont(QStringLiteral("Arial"), 8, true));
    p.drawText(QRect(0, 134, 95, 18), Qt::AlignCenter, QStringLiteral("Congratulations"));
    p.setPen(kDarkBlue);
    p.setFont(makeFont(QStringLiteral("Arial"), 7));
    p.drawText(QRect(4, 152, 87, 44), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("You are a champion Travisto user!"));
    p.setPen(QPen(QColor(200, 160, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 93, 198));
    return pixmap;
}

// A clipboard holding a ticked list, with a pencil.
QPixmap clipboardPicture() {
    QPixmap pixmap(50, 50);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 100, 50));
    p.drawRoundedRect(QRectF(6, 4, 32, 44), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 9, 26, 36));
    p.setBrush(QColor(160, 160, 160));
    p.drawRoundedRect(QRectF(15, 2, 14, 6), 2, 2);
    for (int i = 0; i < 4; ++i) {
        const double y = 15 + i * 8;
        p.setPen(QPen(QColor(0, 140, 0), 1.5));
        p.drawLine(QPointF(11, y), QPointF(13, y + 2));
        p.drawLine(QPointF(13, y + 2), QPointF(16, y - 2));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.drawLine(QPointF(19, y), QPointF(32, y));
    }
    // The pencil, lying across the board.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 40));
    p.drawPolygon(QPolygonF({QPointF(44, 10), QPointF(48, 14), QPointF(30, 40), QPointF(26, 36)}));
    p.setBrush(QColor(60, 60, 60));
    p.drawPolygon(QPolygonF({QPointF(26, 36), QPointF(30, 40), QPointF(24, 44)}));
    return pixmap;
}

QPixmap buttonPicture(const QString& caption) {
    return common::PictureButton::captionPicture(QSize(80, 24), caption, Qt::black, QColor(212, 208, 200), 9);
}

QLabel* makePictureBox(QWidget* parent, const QString& name, const QPixmap& picture) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setPixmap(picture);
    return box;
}

} // namespace

std::array<bool, 10> readStepFlags(platform::Database& db) {
    std::array<bool, 10> done{};
    platform::Recordset rs = db.query(QStringLiteral("Select * from ArriveInfo"));
    if (rs.eof())
        return done;
    for (int n = 1; n <= 10; ++n)
        done[n - 1] = rs.integer(QStringLiteral("chk%1").arg(n), 0) == 1;
    return done;
}

ChecklistWindow::ChecklistWindow(ChecklistKind kind) : platform::Form(kind.formName), m_kind(std::move(kind)) {
    setWindowTitle(m_kind.caption);
    setBackColor(platform::bgrColor(0x00C0C0C0));
    buildRows();

    connect(Picture25, &common::PictureButton::clicked, this, &ChecklistWindow::mnuStartOver_Click);
    connect(Picture3, &common::PictureButton::clicked, this, &ChecklistWindow::mnuPrint_Click);
    connect(Picture4, &common::PictureButton::clicked, this, &ChecklistWindow::mnuClose_Click);

    mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuStartOver = addNamedItem(mnuFile, QStringLiteral("mnuStartOver"), QStringLiteral("Start Over"));
    mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuClose = addNamedItem(mnuFile, QStringLiteral("mnuClose"), QStringLiteral("Close"));
    connect(mnuStartOver, &QAction::triggered, this, &ChecklistWindow::mnuStartOver_Click);
    connect(mnuPrint, &QAction::triggered, this, &ChecklistWindow::mnuPrint_Click);
    connect(mnuClose, &QAction::triggered, this, &ChecklistWindow::mnuClose_Click);
}

ChecklistWindow::~ChecklistWindow() = default;

void ChecklistWindow::buildRows() {
    QWidget* c = client();
    const int steps = visibleSteps();
    const int headerLeft = m_kind.clipboardHeader ? 960 : 120;
    const int headerRight = m_kind.clipboardHeader ? kClientWidth - kButtonWidth - 240 : kClientWidth - 120;

    if (m_kind.clipboardHeader) {
        Picture13 = makePictureBox(c, QStringLiteral("Picture13"), clipboardPicture());
        placeTwips(Picture13, 120, 60, 750, 750);
    }
    Label1 = new QLabel(m_kind.instruction, c);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(makeFont(QStringLiteral("Verdana"), 8.25));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setInk(Label1, kDarkBlue);
    placeTwips(Label1, headerLeft, 60, headerRight - headerLeft, 660);

    // Where each row starts: given, or stacked below the header so that each
    // step's text fits.
    const QFont stepFont = makeFont(QStringLiteral("Arial"), 9);
    QFont boldStepFont = stepFont;
    boldStepFont.setBold(true);
    std::vector<int> tops = m_kind.rowTops;
    int bottomOfRows = 0;
    if (tops.empty()) {
        int top = m_kind.clipboardHeader ? 900 : 780;
        for (int i = 0; i < steps; ++i) {
            tops.push_back(top);
            const bool bold = m_kind.alternateRedSteps && i % 2 == 0;
            const QRect text = QFontMetrics(bold ? boldStepFont : stepFont)
                                   .boundingRect(QRect(0, 0, twipsToPixels(kTextRight - kTextLeft), 10000),
                                                 Qt::TextWordWrap, m_kind.steps[i]);
            top += std::max(text.height() * platform::kTwipsPerPixel, kMarkHeight) + 150;
        }
        bottomOfRows = top;
    } else {
        bottomOfRows = tops.back() + 720;
    }
    const int bottomRow = std::max(bottomOfRows, tops.front() + kAllDoneHeight + 120);
    const int clientHeight = bottomRow + kButtonHeight + 75;
    setClientSizeTwips(kClientWidth, clientHeight);

    const QPixmap finished = finishedPicture();
    const QPixmap mark = doneMarkPicture();
    for (int i = 0; i < kMaxSteps; ++i) {
        const bool visible = i < steps;
        // Rows beyond the visible steps are laid out below the window's rows
        // and stay hidden for the window's whole life.
        const int top = visible ? tops[i] : bottomRow;
        const int height = visible && i + 1 < steps ? tops[i + 1] - top : bottomRow - top;

        Label3[i] = new QLabel(QStringLiteral("%1.").arg(i + 1), c);
        Label3[i]->setObjectName(QStringLiteral("Label3_%1").arg(i));
        Label3[i]->setFont(makeFont(QStringLiteral("MS Sans Serif"), 12, true));
        Label3[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setInk(Label3[i], kDarkBlue);
        placeTwips(Label3[i], 480, top, 480, 360);

        if (visible) {
            stepTexts[i] = new QLabel(m_kind.steps[i], c);
            stepTexts[i]->setObjectName(QStringLiteral("%1_%2").arg(m_kind.stepTextName).arg(i));
            const bool red = m_kind.alternateRedSteps && i % 2 == 0;
            stepTexts[i]->setFont(red ? boldStepFont : stepFont);
            if (red)
                setInk(stepTexts[i], QColor(255, 0, 0));
            stepTexts[i]->setWordWrap(true);
            stepTexts[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            placeTwips(stepTexts[i], kTextLeft, top, kTextRight - kTextLeft, height);
        }

        doneMarks[i] = makePictureBox(c, QStringLiteral("Picture%1").arg(kDoneMarkNumbers[i]), mark);
        placeTwips(doneMarks[i], 60, top, kMarkWidth, kMarkHeight);

        finishedButtons[i] = new common::PictureButton(c);
        finishedButtons[i]->setObjectName(QStringLiteral("Picture%1").arg(kFinishedNumbers[i]));
        finishedButtons[i]->setPicture(finished);
        placeTwips(finishedButtons[i], kClientWidth - kFinishedWidth - 120, top, kFinishedWidth, kFinishedHeight);
        connect(finishedButtons[i], &common::PictureButton::clicked, this, [this, i] { markStepDone(i + 1); });

        if (!visible) {
            Label3[i]->hide();
            Label3[i]->setEnabled(false);
            doneMarks[i]->hide();
            doneMarks[i]->setEnabled(false);
            finishedButtons[i]->hide();
        }
    }

    Picture24 = makePictureBox(c, QStringLiteral("Picture24"), allDonePicture());
    placeTwips(Picture24, kClientWidth - kAllDoneWidth - 60, tops.front(), kAllDoneWidth, kAllDoneHeight);

    Picture25 = new common::PictureButton(c);
    Picture25->setObjectName(QStringLiteral("Picture25"));
    Picture25->setPicture(buttonPicture(QStringLiteral("Start Over")));
    if (m_kind.clipboardHeader)
        placeTwips(Picture25, kClientWidth - kButtonWidth - 120, 120, kButtonWidth, kButtonHeight);
    else
        placeTwips(Picture25, 120, bottomRow, kButtonWidth, kButtonHeight);
    Picture3 = new common::PictureButton(c);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setPicture(buttonPicture(QStringLiteral("Print")));
    placeTwips(Picture3, kClientWidth - 2 * kButtonWidth - 360, bottomRow, kButtonWidth, kButtonHeight);
    Picture4 = new common::PictureButton(c);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    Picture4->setPicture(buttonPicture(QStringLiteral("Home Page")));
    placeTwips(Picture4, kClientWidth - kButtonWidth - 120, bottomRow, kButtonWidth, kButtonHeight);
}

void ChecklistWindow::Form_Load() {
    m_db = common::openUserOrSay();
    redraw();
}

// Shows each visible step as done or not from the stored flags. Without a
// stored row no step has been done yet, so every step shows its button.
void ChecklistWindow::redraw() {
    std::array<bool, 10> done{};
    if (m_db) {
        done = readStepFlags(*m_db);
        common::sayDatabaseFailure(*m_db);
    }
    bool allDone = true;
    for (int i = 0; i < visibleSteps(); ++i) {
        doneMarks[i]->setVisible(done[i]);
        finishedButtons[i]->setVisible(!done[i]);
        allDone = allDone && done[i];
    }
    Picture24->setVisible(allDone);
}

void ChecklistWindow::markStepDone(int step) {
    if (!m_db || step < 1 || step > visibleSteps())
        return;
    platform::Recordset rs = common::queryOrSay(*m_db, QStringLiteral("Select * from ArriveInfo"));
    if (!rs.ok())
        return;
    const QString update = QStringLiteral("Update ArriveInfo Set chk%1 = 1").arg(step);
    if (rs.eof()) {
        // The flags live in the reservation record's row; until that record
        // has been saved there is no row, so make the row (empty texts, no
        // step done) to keep the step the user has just finished.
        if (!m_db->transaction([&] {
                return m_db->execute(QStringLiteral("Insert Into ArriveInfo DEFAULT VALUES")) && m_db->execute(update);
            }))
            common::sayDatabaseFailure(*m_db);
    } else {
        common::executeOrSay(*m_db, update);
    }
    redraw();
}

void ChecklistWindow::mnuStartOver_Click() {
    if (m_db)
        common::executeOrSay(*m_db, QStringLiteral("Update ArriveInfo Set chk1 = 0,chk2 = 0, chk3 = 0, chk4 = 0,"
                                                   "chk5 = 0, chk6 = 0,chk7 = 0,chk8= 0, chk9 = 0, chk10 = 0"));
    redraw();
}

void ChecklistWindow::mnuPrint_Click() {
    platform::Printer::instance().printImage(client()->grab().toImage(), windowTitle());
}

void ChecklistWindow::Form_Unload() {
    if (!platform::Forms::exiting())
        platform::Forms::open(platform::Forms::mainWindowName());
}

} // namespace organiser
