#include "organiser/frmBudget.h"

#include "common/CWordWrap.h"
#include "common/CommandButton.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/DropDownList.h"
#include "common/PictureButton.h"
#include "common/TextBox.h"
#include "platform/Database.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QSignalBlocker>

#include <vector>

using organiser::kBudgetLineCount;
using platform::bgrColor;
using platform::placeTwips;

namespace {

using common::makeFont;
using common::makeLabel;
using common::setInk;

const QColor kDarkBlue = bgrColor(0x00800000);

struct LineLook {
    const char* caption;
    const char* costBox;
    const char* unit;
};

constexpr std::array<LineLook, kBudgetLineCount> kLines = {{
    {"Airfare cost per person:", "txtAirfare", "people"},
    {"Adults food budget per day:", "txtAdultFood", "adults"},
    {"Children food budget per day:", "txtKidsFood", "children"},
    {"Hotel cost per night:", "txtHotel", "nights"},
    {"Souvenir budget per day:", "txtSouvenier", "days"},
    {"Car rental cost per day:", "txtCarRental", "days"},
    {"Adult Park Ticket Cost:", "txtAdultPark", "adults"},
    {"Children park ticket cost:", "txtKidsPark", "children"},
}};

// The banner: the window's heading lettered on a sky-blue ground.
QPixmap bannerPicture() {
    return common::PictureButton::captionPicture(QSize(600, 40), QStringLiteral("Your Walt Disney World budget"),
                                                 QColor(255, 255, 255), QColor(40, 90, 170), 16);
}

// A pair of scissors cutting a banknote.
QPixmap scissorsPicture() {
    QPixmap pixmap(60, 40);
    pixmap.fill(bgrColor(0x00E0E0E0));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(40, 90, 40));
    p.setBrush(QColor(150, 200, 140));
    p.drawRect(QRectF(4, 12, 40, 20));
    p.drawEllipse(QPointF(24, 22), 5, 5);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.drawLine(QPointF(30, 6), QPointF(56, 34));
    p.drawLine(QPointF(30, 34), QPointF(56, 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(52, 8), 4, 4);
    p.drawEllipse(QPointF(52, 32), 4, 4);
    return pixmap;
}

QLabel* placedLabel(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w, int h) {
    QLabel* label = makeLabel(parent, name, caption);
    placeTwips(label, l, t, w, h);
    return label;
}

// An editable list of counts: the shown text is the value, kept exactly as typed.
common::DropDownList* makeCountBox(QWidget* parent, const QString& name, int l, int t) {
    auto* box = new common::DropDownList(parent, name);
    box->setShownText(QStringLiteral("0"));
    placeTwips(box, l, t, 900, 315);
    return box;
}

common::TextBox* makeBox(QWidget* parent, const QString& name, int l, int t, int w) {
    auto* box = new common::TextBox(parent, name, QStringLiteral("0"));
    placeTwips(box, l, t, w, 315);
    return box;
}

} // namespace

frmBudget::frmBudget() : platform::Form(QStringLiteral("frmBudget")) {
    setWindowTitle(QStringLiteral("Your Disney World Budget"));
    setBackColor(bgrColor(0x00E0E0E0));
    setClientSizeTwips(9600, 8280);
    QWidget* c = client();

    Picture1 = placedLabel(c, QStringLiteral("Picture1"), QString(), 240, 120, 9000, 600);
    Picture1->setPixmap(bannerPicture());
    Label4 = placedLabel(c, QStringLiteral("Label4"),
                         QStringLiteral("See the Travisto money saving tips under the General Info heading on the "
                                        "home page of the Travisto."),
                         240, 810, 7800, 450);
    Label4->setWordWrap(true);
    Picture2 = placedLabel(c, QStringLiteral("Picture2"), QString(), 8340, 780, 900, 600);
    Picture2->setPixmap(scissorsPicture());

    buildCountQuestions(c);
    buildCostLines(c);

    Command1 = new common::CommandButton(c, QStringLiteral("Command1"), QStringLiteral("Save Budget Information"));
    placeTwips(Command1, 240, 7620, 2700, 420);
    Picture3 =
        common::PictureButton::create(c, QStringLiteral("Picture3"), QStringLiteral("Print"), 3240, 7620, 1200, 420);
    Picture9 =
        common::PictureButton::create(c, QStringLiteral("Picture9"), QStringLiteral("Close"), 4680, 7620, 1200, 420);
    connect(Command1, &common::CommandButton::clicked, this, &frmBudget::Command1_Click);
    connect(Picture3, &common::PictureButton::clicked, this, &frmBudget::mnuPrint_Click);
    connect(Picture9, &common::PictureButton::clicked, this, &frmBudget::mnuExit_Click);

    mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuExit = addNamedItem(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("Close"));
    connect(mnuPrint, &QAction::triggered, this, &frmBudget::mnuPrint_Click);
    connect(mnuExit, &QAction::triggered, this, &frmBudget::mnuExit_Click);

    // Tab goes through the window in the order its boxes are listed: the
    // counts, the costs, the line totals, the grand total, the save button.
    const auto counts = countBoxes();
    const auto costs = costBoxes();
    std::vector<QWidget*> order(counts.begin(), counts.end());
    order.insert(order.end(), costs.begin(), costs.end());
    order.insert(order.end(), txtTotal.begin(), txtTotal.end());
    order.push_back(txtTotalBudget);
    order.push_back(Command1);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

frmBudget::~frmBudget() = default;

void frmBudget::buildCountQuestions(QWidget* c) {
    const std::array<QString, 4> questions = {
        QStringLiteral("# of adults in your group?"), QStringLiteral("# of children in your group?"),
        QStringLiteral("# of nights of your vacation?"), QStringLiteral("# of days of your vacation? ")};
    const std::array<common::DropDownList**, 4> boxes = {&cboAdults, &cboKids, &cboNights, &cboDays};
    const std::array<QString, 4> names = {QStringLiteral("cboAdults"), QStringLiteral("cboKids"),
                                          QStringLiteral("cboNights"), QStringLiteral("cboDays")};
    int top = 1320;
    for (size_t i = 0; i < 4; ++i) {
        Label1[i] = placedLabel(c, QStringLiteral("Label1_%1").arg(i), questions[i], 240, top + 30, 2820, 285);
        *boxes[i] = makeCountBox(c, names[i], 3000, top);
        common::DropDownList* box = *boxes[i];
        connect(box, &common::DropDownList::editTextChanged, this, [this, box] { countChanged(box); });
        top += 405;
    }

    Label8 = placedLabel(c, QStringLiteral("Label8"), QStringLiteral("Important:  "), 4320, 1350, 1200, 285);
    Label8->setFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    setInk(Label8, bgrColor(0x000000FF));
    Label7 = placedLabel(c, QStringLiteral("Label7"),
                         QStringLiteral("Hit the \"Save Budget Information\" button below after you have made any "
                                        "updates so your information will be here the next time you return."),
                         4320, 1650, 4920, 900);
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmBudget::buildCostLines(QWidget* c) {
    const std::array<common::TextBox**, kBudgetLineCount> costs = {
        &txtAirfare, &txtAdultFood, &txtKidsFood, &txtHotel, &txtSouvenier, &txtCarRental, &txtAdultPark, &txtKidsPark};
    Label5 = placedLabel(c, QStringLiteral("Label5"), QStringLiteral("8 Day Total"), 7440, 3060, 1800, 285);
    Label5->setFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    Label5->hide();

    int top = 3420;
    for (int i = 0; i < kBudgetLineCount; ++i) {
        const size_t n = size_t(i);
        const LineLook& look = kLines[n];
        Label2[n] = placedLabel(c, QStringLiteral("Label2_%1").arg(i), QString::fromLatin1(look.caption), 240, top + 30,
                                2820, 285);
        common::TextBox* cost = makeBox(c, QString::fromLatin1(look.costBox), 3090, top, 900);
        *costs[n] = cost;
        // Entering a cost box selects its whole text, so that typing replaces it.
        cost->setSelectsAllOnFocus(true);
        connect(cost, &common::TextBox::textChanged, this, [this, i] { costChanged(i); });

        Label3[n] = placedLabel(c, QStringLiteral("Label3_%1").arg(i), QStringLiteral("X"), 4080, top + 30, 240, 285);
        lblNumber[n] =
            placedLabel(c, QStringLiteral("lblNumber_%1").arg(i), QStringLiteral("0"), 4380, top + 30, 720, 285);
        Label9[n] = placedLabel(c, QStringLiteral("Label9_%1").arg(i), QString::fromLatin1(look.unit), 5160, top + 30,
                                900, 285);
        txtTotal[n] = makeBox(c, QStringLiteral("txtTotal_%1").arg(i), 6120, top, 1200);
        // The program writes the line total, but the box takes typing like any
        // other: a typed total stands until the line is next worked out, and a
        // cost that cannot be read leaves it standing.
        connect(txtTotal[n], &QLineEdit::textEdited, this,
                [this, n](const QString& text) { m_figures.lineTotals[n] = text; });
        Label6[n] = placedLabel(c, QStringLiteral("Label6_%1").arg(i), QStringLiteral("0"), 7440, top + 30, 1800, 285);
        Label6[n]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setInk(Label6[n], kDarkBlue);
        top += 435;
    }

    Label2[kBudgetLineCount] =
        placedLabel(c, QStringLiteral("Label2_8"), QStringLiteral("Total Budget"), 5160, top + 150, 2160, 285);
    Label2[kBudgetLineCount]->setFont(makeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    Label2[kBudgetLineCount]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtTotalBudget = makeBox(c, QStringLiteral("txtTotalBudget"), 7440, top + 120, 1800);
    // Typed over, the grand total stands (and prints) until the next sum.
    connect(txtTotalBudget, &QLineEdit::textEdited, this, [this](const QString& text) { m_figures.grandTotal = text; });
    txtTotalBudget->setAlignment(Qt::AlignRight);
    txtTotalBudget->setFont(makeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
}

std::array<common::TextBox*, kBudgetLineCount> frmBudget::costBoxes() const {
    return {txtAirfare, txtAdultFood, txtKidsFood, txtHotel, txtSouvenier, txtCarRental, txtAdultPark, txtKidsPark};
}

std::array<common::DropDownList*, 4> frmBudget::countBoxes() const {
    return {cboAdults, cboKids, cboNights, cboDays};
}

void frmBudget::Form_Load() {
    Label5->hide();
    m_db = common::openUserOrSay();

    // Every list offers the counts 0 to 100 and keeps the text it shows.
    QStringList counts;
    for (int n = 0; n <= 100; ++n)
        counts << QString::number(n);
    for (common::DropDownList* box : countBoxes())
        box->addItems(counts);

    if (!m_db)
        return;
    platform::Recordset rs = common::queryOrSay(*m_db, QStringLiteral("Select * From Budget"));
    if (rs.eof())
        return; // first use: every field stays at "0" and nothing is computed

    // The stored texts go back as they were typed: the counts, then one
    // recalculation from them, then each cost, whose change updates its line
    // as typing would (an empty cost gets its "0" back).
    const auto counts4 = countBoxes();
    const auto costs = costBoxes();
    for (int i = 0; i < 4; ++i) {
        const QString column = organiser::budgetColumn(i);
        if (!rs.isNull(column)) {
            const QSignalBlocker block(counts4[size_t(i)]);
            counts4[size_t(i)]->setEditText(rs.text(column));
        }
    }
    RecalculateBudget();
    for (int i = 4; i < organiser::kBudgetInputCount; ++i) {
        const QString column = organiser::budgetColumn(i);
        if (!rs.isNull(column))
            costs[size_t(i - 4)]->setText(rs.text(column));
    }
}

organiser::BudgetInputs frmBudget::inputs() const {
    organiser::BudgetInputs in;
    in.adults = cboAdults->currentText();
    in.kids = cboKids->currentText();
    in.nights = cboNights->currentText();
    in.days = cboDays->currentText();
    const auto costs = costBoxes();
    for (size_t i = 0; i < costs.size(); ++i)
        in.costs[i] = costs[i]->text();
    return in;
}

void frmBudget::countChanged(common::DropDownList* box) {
    if (box->currentText().isEmpty()) {
        // Setting the text runs this handler again with "0"; typing then replaces it.
        box->setEditText(QStringLiteral("0"));
        box->lineEdit()->selectAll();
        return;
    }
    RecalculateBudget();
}

void frmBudget::costChanged(int line) {
    common::TextBox* box = costBoxes()[size_t(line)];
    if (box->text().isEmpty()) {
        // Setting the text runs this handler again with "0"; typing then replaces it.
        box->setText(QStringLiteral("0"));
        box->selectAll();
        return;
    }
    const QLocale locale = platform::programLocale();
    organiser::updateBudgetLine(line, inputs(), m_figures, locale);
    organiser::sumBudget(m_figures, locale);
    showFigures();
}

void frmBudget::RecalculateBudget() {
    // Any box that is empty stands for "0".
    for (common::DropDownList* box : countBoxes())
        if (box->currentText().isEmpty()) {
            const QSignalBlocker block(box);
            box->setEditText(QStringLiteral("0"));
        }
    const organiser::HeadCount count = organiser::recalculateBudget(inputs(), m_figures, platform::programLocale());
    showFigures();
    if (count == organiser::HeadCount::TooLarge)
        platform::msgBox(organiser::headCountTooLargeMessage());
}

void frmBudget::showFigures() {
    for (size_t i = 0; i < size_t(kBudgetLineCount); ++i) {
        lblNumber[i]->setText(m_figures.multipliers[i]);
        txtTotal[i]->setText(m_figures.lineTotals[i]);
        Label6[i]->setText(m_figures.amounts[i]);
    }
    txtTotalBudget->setText(m_figures.grandTotal);
    if (m_figures.dayHeading) {
        Label5->setText(*m_figures.dayHeading);
        Label5->show();
    }
}

void frmBudget::Command1_Click() {
    if (!m_db)
        m_db = common::openUserOrSay();
    if (!m_db)
        return;
    platform::Recordset rs = common::queryOrSay(*m_db, QStringLiteral("Select * from Budget"));
    if (!rs.ok())
        return;
    platform::Binds values;
    for (common::DropDownList* box : countBoxes())
        values << box->currentText();
    for (common::TextBox* box : costBoxes())
        values << box->text();
    // After a failed statement the window keeps what the user typed.
    common::executeOrSay(*m_db, rs.eof() ? organiser::budgetInsertSql() : organiser::budgetUpdateSql(), values);
}

void frmBudget::mnuPrint_Click() {
    common::PrintContentPane(QStringLiteral("Disney Budget"), organiser::budgetPrintText(m_figures), 16);
}

void frmBudget::mnuExit_Click() {
    platform::Forms::unload(objectName());
}
