#include "organiser/ListWindow.h"

#include "common/CWordWrap.h"
#include "common/CommandButton.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/DropDownList.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "common/TextBox.h"
#include "organiser/Registration.h"
#include "platform/Database.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace organiser {

namespace {

using Kind = ListWindowKind;
using platform::placeTwips;

const QString kQuote = QStringLiteral("\"");

// A picture that runs its action when clicked but shows no border while pressed.
class PlainPictureButton : public common::PictureButton {
public:
    using common::PictureButton::PictureButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(rect(), picture());
    }
};

// An address card with a telephone handset, beside the contact list's title.
void drawContactCard(QPainter& p, double w, double h) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(255, 250, 220));
    p.drawRoundedRect(QRectF(2, h * 0.1, w * 0.8, h * 0.8), 4, 4);
    p.setPen(QPen(QColor(0, 0, 160), 1.5));
    for (int i = 1; i <= 4; ++i) {
        const double y = h * 0.1 + h * 0.8 * i / 5.0;
        p.drawLine(QPointF(8, y), QPointF(w * 0.8 - 6, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawRoundedRect(QRectF(w * 0.55, h * 0.55, w * 0.42, h * 0.14), 5, 5);
    p.drawEllipse(QPointF(w * 0.59, h * 0.72), w * 0.07, h * 0.06);
    p.drawEllipse(QPointF(w * 0.93, h * 0.72), w * 0.07, h * 0.06);
}

// An open treasure chest, beside the own tips' instruction.
void drawTreasureChest(QPainter& p, double w, double h) {
    p.setPen(QPen(QColor(70, 40, 10), 1));
    p.setBrush(QColor(140, 80, 30));
    p.drawPolygon(QPolygonF({QPointF(w * 0.1, h * 0.45), QPointF(w * 0.2, h * 0.1), QPointF(w * 0.8, h * 0.1),
                             QPointF(w * 0.9, h * 0.45)}));
    p.setBrush(QColor(250, 210, 40));
    p.drawEllipse(QRectF(w * 0.15, h * 0.35, w * 0.7, h * 0.25));
    p.setBrush(QColor(160, 95, 35));
    p.drawRect(QRectF(w * 0.1, h * 0.5, w * 0.8, h * 0.42));
    p.setBrush(QColor(230, 190, 40));
    p.drawRect(QRectF(w * 0.45, h * 0.55, w * 0.1, h * 0.14));
}

QPixmap decorationPicture(Kind::Decoration decoration, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (decoration == Kind::Decoration::ContactCard)
        drawContactCard(p, size.width(), size.height());
    else if (decoration == Kind::Decoration::TreasureChest)
        drawTreasureChest(p, size.width(), size.height());
    return pixmap;
}

// Button sizes are given in pixels; the layout is in twips.
Kind::Button button(const char* name, const char* caption, int left, int top, int widthPixels, bool pressLook = true) {
    return {QString::fromLatin1(name),
            QString::fromLatin1(caption),
            {left, top, widthPixels * platform::kTwipsPerPixel, 24 * platform::kTwipsPerPixel},
            pressLook};
}

// A caption between double quotation marks, as the instructions quote the buttons.
QString quoted(const char* text) {
    return kQuote + QString::fromLatin1(text) + kQuote;
}

ListPage composeContacts(platform::Recordset& rs) {
    return contactList(readContacts(rs));
}

Kind makeContact() {
    Kind s;
    s.formName = QStringLiteral("frmContact");
    s.caption = QStringLiteral("Contact List");
    s.heightTwips = 6600;
    s.title = QStringLiteral("Disney World Contact List.");
    s.titlePoints = 12;
    s.titleRect = {240, 120, 7680, 360};
    s.instruction = QStringLiteral("Add and remove items below!  Enter in all relevant information and hit the ") +
                    quoted("Add Contact") + QStringLiteral(" button.  All contacts may then be printed out as needed.");
    s.instructionRect = {240, 540, 7680, 720};
    s.decoration = Kind::Decoration::ContactCard;
    s.decorationName = QStringLiteral("Picture2");
    s.decorationRect = {8160, 120, 1200, 1080};
    s.paneName = QStringLiteral("rtContact");
    s.paneRect = {240, 1320, 9120, 3720};
    s.entries = {
        {QStringLiteral("txtContact"),
         QStringLiteral("Label3"),
         QStringLiteral("Contact"),
         {240, 5400, 2760, 360},
         {240, 5160, 2760, 240}},
        {QStringLiteral("txtPhone"),
         QStringLiteral("Label4"),
         QStringLiteral("Phone Number"),
         {3120, 5400, 1920, 360},
         {3120, 5160, 1920, 240}},
        {QStringLiteral("txtNotes"),
         QStringLiteral("Label5"),
         QStringLiteral("Notes"),
         {5160, 5400, 2640, 360},
         {5160, 5160, 2640, 240}},
    };
    s.comboRect = {240, 6000, 2760, 360};
    s.add = button("Picture3", "Add Contact", 8010, 5400, 90, false);
    s.remove = button("Picture4", "Remove Contact", 3120, 6000, 110, false);
    s.print = button("Picture1", "Print", 6720, 6000, 80);
    s.close = button("Picture9", "Close", 8160, 6000, 80);
    s.addCommand = QStringLiteral("Add Contact");
    s.removeCommand = QStringLiteral("Remove Contact");
    s.contentDatabase = true;
    s.listSql = QStringLiteral("Select * from Contacts");
    s.insertSql = QStringLiteral("Insert Into Contacts(Contact,ContactPhone,ContactNotes) Values (?,?,?)");
    s.deleteSql = QStringLiteral("Delete From Contacts Where Contact = ?");
    s.compose = composeContacts;
    s.emptyEntryMessage = QStringLiteral("Add a contact description");
    s.listingEmptiesEntries = true;
    s.hint = QStringLiteral("Add Contacts below and hit the Add Contact button");
    s.printHeader = QStringLiteral("Contact List");
    return s;
}

// The layout the own tips and the don't-forget list share: the pane, then the
// entry row (box, Add, Print at the right end) and the removal row (combo box,
// Remove, Close at the right end).
Kind makeNumberedList(const QString& table, const QString& column) {
    Kind s;
    s.paneName = QStringLiteral("rtParks");
    s.paneRect = {240, 1320, 9120, 4200};
    s.entries = {{QStringLiteral("txtAdd"), QString(), QString(), {240, 5700, 4800, 360}, {}}};
    s.comboRect = {240, 6240, 4800, 360};
    s.add = button("", "Add This Item", 5160, 5700, 120);
    s.remove = button("", "Remove This Item", 5160, 6240, 120);
    s.print = button("", "Print", 8160, 5700, 80);
    s.close = button("Picture9", "Close", 8160, 6240, 80);
    s.addCommand = QStringLiteral("Add This Item");
    s.removeCommand = QStringLiteral("Remove This Item");
    s.insertSql = QStringLiteral("Insert into %1(%2) Values(?)").arg(table, column);
    s.deleteSql = QStringLiteral("Delete from %1 Where %2 = ?").arg(table, column);
    s.compose = [column](platform::Recordset& rs) { return numberedList(readColumn(rs, column)); };
    s.confirmRemoval = true;
    s.focusAfterAdd = true;
    return s;
}

Kind makeDontForget() {
    Kind s = makeNumberedList(QStringLiteral("DontForget"), QStringLiteral("Item"));
    s.formName = QStringLiteral("frmList");
    s.caption = QStringLiteral("Don't leave me at home.  You'll be sorry");
    s.title = QStringLiteral("A ") + quoted("must have") + QStringLiteral(" list for your days in the parks!");
    s.titleRect = {240, 120, 9120, 360};
    s.instruction = QStringLiteral("Add and remove items on the list below.  Type in your item and hit the ") +
                    quoted("Add This Item") +
                    QStringLiteral(" button.  To remove an item select it from the drop down box and hit the ") +
                    quoted("Remove This Item") + QStringLiteral(" button.");
    s.instructionRect = {240, 540, 9120, 720};
    s.add.name = QStringLiteral("Picture3");
    s.remove.name = QStringLiteral("Picture4");
    s.print.name = QStringLiteral("Picture2");
    s.listSql = QStringLiteral("Select * from DontForget Order by OrderId");
    s.hint = QStringLiteral("Add and remove your items below");
    s.printHeader = QStringLiteral("Don't Leave Me at Home!");
    return s;
}

Kind makeMyTips() {
    Kind s = makeNumberedList(QStringLiteral("UserTips"), QStringLiteral("Tip"));
    s.formName = QStringLiteral("frmMyTips");
    s.caption = QStringLiteral("Store your tips or notes here");
    s.instruction = QStringLiteral("Add and remove your tips or notes below.  Type in your tip and hit the ") +
                    quoted("Add This Item") +
                    QStringLiteral(" button.  To remove a tip select it from the drop down box and hit the ") +
                    quoted("Remove This Item") + QStringLiteral(" button.");
    s.instructionRect = {1140, 180, 8220, 960};
    s.decoration = Kind::Decoration::TreasureChest;
    s.decorationName = QStringLiteral("Picture4");
    s.decorationRect = {240, 180, 750, 750};
    s.add.name = QStringLiteral("Picture2");
    s.add.rect.width = 110 * platform::kTwipsPerPixel;
    s.remove.name = QStringLiteral("Picture3");
    s.print.name = QStringLiteral("Picture1");
    s.listSql = QStringLiteral("Select * from UserTips");
    s.hint = QStringLiteral("Add and remove your tips below");
    s.printHeader = QStringLiteral("My Tips and Notes");
    return s;
}

} // namespace

void registerListWindows() {
    for (const Kind* kind : {&contactKind(), &myTipsKind(), &dontForgetKind()})
        platform::Forms::registerForm(kind->formName, [kind] { return new ListWindow(*kind); });
}

const ListWindowKind& contactKind() {
    static const Kind kind = makeContact();
    return kind;
}

const ListWindowKind& myTipsKind() {
    static const Kind kind = makeMyTips();
    return kind;
}

const ListWindowKind& dontForgetKind() {
    static const Kind kind = makeDontForget();
    return kind;
}

namespace {

common::PanePageFrame listFrame(const ListWindowKind& kind) {
    using Action = common::PanePageFrame::Action;
    common::PanePageFrame frame;
    frame.formName = kind.formName;
    frame.caption = kind.caption;
    frame.heightTwips = kind.heightTwips;
    frame.backColor = platform::bgrColor(0x00E0E0E0);
    frame.paneName = kind.paneName;
    frame.pane = kind.paneRect;
    frame.commands = {{kind.print.name, kind.print.caption, Action::Print, kind.print.rect},
                      {kind.close.name, kind.close.caption, Action::Close, kind.close.rect}};
    frame.addFileMenu(QStringLiteral("mnuClose"));
    frame.userDatabase = !kind.contentDatabase;
    frame.printHeader = kind.printHeader;
    return frame;
}

} // namespace

ListWindow::ListWindow(ListWindowKind kind) : common::PanePage(listFrame(kind)), m_kind(std::move(kind)) {
    QWidget* c = client();
    const QString verdana = QStringLiteral("Verdana");

    if (!m_kind.title.isEmpty()) {
        QLabel* Label1 = common::makeLabel(c, QStringLiteral("Label1"), m_kind.title);
        Label1->setFont(common::makeFont(verdana, m_kind.titlePoints, true));
        common::setInk(Label1, platform::bgrColor(0x00800000));
        placeTwips(Label1, m_kind.titleRect);
    }
    QLabel* Label2 = common::makeLabel(c, QStringLiteral("Label2"), m_kind.instruction);
    Label2->setFont(common::makeFont(verdana, 8.25, true));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label2, m_kind.instructionRect);
    if (m_kind.decoration != Kind::Decoration::None) {
        QLabel* decoration = common::makeLabel(c, m_kind.decorationName, QString());
        placeTwips(decoration, m_kind.decorationRect);
        decoration->setPixmap(decorationPicture(m_kind.decoration, decoration->size()));
    }

    pane()->setTabChangesFocus(true);
    pane()->installEventFilter(this);

    for (const Kind::Entry& entry : m_kind.entries) {
        if (!entry.label.isEmpty())
            placeTwips(common::makeLabel(c, entry.label, entry.caption), entry.labelRect);
        auto* box = new common::TextBox(c, entry.box);
        placeTwips(box, entry.boxRect);
        m_entries << box;
    }
    cbItems = new common::DropDownList(c, QStringLiteral("cbItems"));
    placeTwips(cbItems, m_kind.comboRect);

    auto makeButton = [this, c](const Kind::Button& b, void (ListWindow::*handler)()) {
        common::PictureButton* button = b.pressLook ? new common::PictureButton(c) : new PlainPictureButton(c);
        button->setObjectName(b.name);
        placeTwips(button, b.rect);
        button->setPicture(common::PictureButton::linkPicture(button->size(), b.caption));
        connect(button, &common::PictureButton::clicked, this, handler);
    };
    makeButton(m_kind.add, &ListWindow::Command1_Click);
    makeButton(m_kind.remove, &ListWindow::Command2_Click);

    // The command buttons carry Add and Remove; the pictures above stand in for them.
    auto* Command1 = common::CommandButton::hidden(c, QStringLiteral("Command1"), m_kind.addCommand);
    auto* Command2 = common::CommandButton::hidden(c, QStringLiteral("Command2"), m_kind.removeCommand);
    connect(Command1, &common::CommandButton::clicked, this, &ListWindow::Command1_Click);
    connect(Command2, &common::CommandButton::clicked, this, &ListWindow::Command2_Click);
}

void ListWindow::fillPage(platform::Database&) {
    relist();
}

// Rebuilds the pane and the combo box from the table; the combo box's text is
// emptied, and so are the entry boxes where every listing empties them.
void ListWindow::relist() {
    if (m_kind.listingEmptiesEntries)
        for (QLineEdit* box : m_entries)
            box->clear();
    platform::Recordset rs = common::queryOrSay(*database(), m_kind.listSql);
    ListPage page = m_kind.compose(rs);
    common::RichTextBox& box = *pane();
    box.setText(page.text);
    cbItems->clear();
    cbItems->addItems(page.items);
    cbItems->setShownText(QString());
    if (!page.markers.isEmpty()) {
        common::CWordWrap wrap;
        wrap.BoldText(box, &page.markers, int(page.markers.size()), page.names, int(page.names.size()));
    }
}

void ListWindow::Command1_Click() {
    if (m_entries.first()->text().isEmpty()) {
        if (!m_kind.emptyEntryMessage.isEmpty())
            platform::msgBox(m_kind.emptyEntryMessage);
        return;
    }
    platform::Binds values;
    for (common::TextBox* box : m_entries)
        values << box->text();
    // After a failed insert the boxes keep what the user typed.
    if (!database() || !common::executeOrSay(*database(), m_kind.insertSql, values))
        return;
    for (common::TextBox* box : m_entries)
        box->clear();
    relist();
    if (m_kind.focusAfterAdd)
        m_entries.first()->setFocus();
}

void ListWindow::Command2_Click() {
    if (!database())
        return;
    const QString key = cbItems->currentText();
    if (!m_kind.confirmRemoval || platform::msgBox(QStringLiteral("Are you sure you wish to delete this item"),
                                                   platform::Buttons::YesNo) == platform::Answer::Yes)
        common::executeOrSay(*database(), m_kind.deleteSql, {key});
    relist();
}

bool ListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pane() && event->type() == QEvent::KeyPress) {
        // A typed character (not a shortcut such as copy, nor a move of the
        // caret or the focus) reminds the user where entries are made.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!key->text().isEmpty() && !shortcut && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            platform::msgBox(m_kind.hint);
            return true;
        }
    }
    return common::PanePage::eventFilter(watched, event);
}

} // namespace organiser
