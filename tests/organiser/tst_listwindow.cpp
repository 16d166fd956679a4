#include "TestSupport.h"

#include "common/DropDownList.h"
#include "common/RichTextBox.h"
#include "organiser/ListWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

using organiser::ListWindow;
using platform::Answer;
using platform::Forms;

namespace {

const QString kUser = platform::Database::userFileName();
const QString kContent = platform::Database::contentFileName();

QStringList stored(platform::Database& db, const QString& sql) {
    QStringList rows;
    for (auto rs = db.query(sql); !rs.eof(); rs.moveNext())
        rows << rs.value(0).toString();
    return rows;
}

} // namespace

class TestListWindow : public WorldTest {
    Q_OBJECT
    static ListWindow* open(const QString& form) { return qobject_cast<ListWindow*>(Forms::open(form)); }
    static common::RichTextBox* paneOf(ListWindow* w) { return w->findChild<common::RichTextBox*>(); }
    static common::DropDownList* itemsOf(ListWindow* w) { return must<common::DropDownList>(w, "cbItems"); }
    static void click(ListWindow* w, const char* picture) { clickOn(w, picture); }

private slots:
    void entriesAreNumberedStoredAsTypedAndKeptWhenTheAddFails_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("add");
        QTest::newRow("don't forget") << "frmList" << QStringLiteral("DontForget") << "Picture3";
        QTest::newRow("own tips") << "frmMyTips" << QStringLiteral("UserTips") << "Picture2";
    }
    void entriesAreNumberedStoredAsTypedAndKeptWhenTheAddFails() {
        QFETCH(QString, form);
        QFETCH(QString, table);
        QFETCH(QString, add);
        ListWindow* w = open(form);
        QVERIFY(w);
        QLineEdit* txtAdd = must<QLineEdit>(w, "txtAdd");
        auto* Command1 = must<QPushButton>(w, "Command1");
        QCOMPARE(paneOf(w)->text(), QString());

        click(w, qPrintable(add)); // an empty entry is ignored without a word
        QTest::keyClicks(txtAdd, "Bring sunscreen");
        click(w, qPrintable(add));
        QCOMPARE(paneOf(w)->text(), QStringLiteral("1.  Bring sunscreen\n"));
        QCOMPARE(txtAdd->text(), QString());
        QCOMPARE(w->focusWidget(), txtAdd);

        txtAdd->setText("Don't forget Mickey's ears");
        Command1->click();
        txtAdd->setText("'''");
        Command1->click();
        QCOMPARE(stored(*world->user(), "SELECT * FROM " + table),
                 QStringList({"Bring sunscreen", "Don't forget Mickey's ears", "'''"}));
        QCOMPARE(paneOf(w)->text(), QStringLiteral("1.  Bring sunscreen\n2.  Don't forget Mickey's ears\n3.  '''\n"));
        QCOMPARE(itemsOf(w)->count(), 3);

        world->exec(kUser, "DROP TABLE " + table);
        txtAdd->setText("Park tickets");
        world->dialogs().answerMessage(); // the window tells why the add failed
        click(w, qPrintable(add));
        QCOMPARE(txtAdd->text(), QStringLiteral("Park tickets")); // kept for another try
    }

    void removalAsksThenRemovesEveryEntryOfThatText_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("remove");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("shown");
        QTest::newRow("don't forget, yes") << "frmList"
                                           << "Picture4" << Answer::Yes << QStringLiteral("1.  Dont\n2.  Hat\n");
        QTest::newRow("don't forget, no")
            << "frmList"
            << "Picture4" << Answer::No << QStringLiteral("1.  Dont\n2.  Don't\n3.  Hat\n4.  Don't\n");
        QTest::newRow("own tips, yes") << "frmMyTips"
                                       << "Picture3" << Answer::Yes << QStringLiteral("1.  Dont\n2.  Hat\n");
    }
    void removalAsksThenRemovesEveryEntryOfThatText() {
        QFETCH(QString, form);
        QFETCH(QString, remove);
        QFETCH(Answer, answer);
        const QString table = form == "frmList" ? "DontForget(Item)" : "UserTips(Tip)";
        world->exec(kUser, "INSERT INTO " + table + " VALUES ('Dont'), ('Don''t'), ('Hat'), ('Don''t')");
        ListWindow* w = open(form);
        QVERIFY(w);
        typeOver(must<common::DropDownList>(w, "cbItems"), "Don't");
        must<QLineEdit>(w, "txtAdd")->setText("Typed, not yet added");
        world->dialogs().answerMessage(answer);
        click(w, qPrintable(remove));
        QCOMPARE(must<QLineEdit>(w, "txtAdd")->text(), QStringLiteral("Typed, not yet added"));
        QCOMPARE(world->dialogs().messages(), QStringList({"Are you sure you wish to delete this item"}));
        QCOMPARE(world->dialogs().shown().first().buttons, platform::Buttons::YesNo);
        QTEST(paneOf(w)->text(), "shown");
        QCOMPARE(itemsOf(w)->currentText(), QString());
    }

    void contactsAreListedColouredAndRemovedWithoutAsking() {
        world->exec(kContent, "INSERT INTO Contacts VALUES ('Pet''s hotel', '555-0101', 'Rex'), ('', 'none', NULL), "
                              "('Airline', '800-555-0199', ''), ('Pet''s hotel', '555-0102', NULL)");
        ListWindow* w = open("frmContact");
        QVERIFY(w);
        common::RichTextBox* pane = paneOf(w);
        // Each line is bulleted with its marker whitened and its description red.
        QCOMPARE(paneMarkup(*pane), QStringLiteral("* {bold,white:--}{bold,red:Pet's hotel}    555-0101     (Rex)\n"
                                                   "* {bold,white:--}    none\n"
                                                   "* {bold,white:--}{bold,red:Airline}    800-555-0199\n"
                                                   "* {bold,white:--}{bold,red:Pet's hotel}    555-0102\n"));

        const QStringList entries = {"txtContact", "txtPhone", "txtNotes"};
        for (const QString& box : entries)
            must<QLineEdit>(w, box)->setText("Typed, not yet added");
        pickEntry(itemsOf(w), 3);
        click(w, "Picture4");
        QCOMPARE(paneMarkup(*pane),
                 QStringLiteral("* {bold,white:--}    none\n* {bold,white:--}{bold,red:Airline}    800-555-0199\n"));
        QCOMPARE(itemTexts(itemsOf(w)), QStringList({"", "Airline"}));
        // The listing after a removal empties the entry boxes.
        QCOMPARE(shownTexts(w, entries), QStringList(3, QString()));
        must<QPushButton>(w, "Command2")->click(); // the empty text removes only the row without a description
        QCOMPARE(stored(*world->content(), "SELECT Contact FROM Contacts"), QStringList({"Airline"}));
    }

    void addingAContactNeedsADescription() {
        world->exec(kContent, "INSERT INTO Contacts VALUES ('Airline', '800-555-0199', 'Seats 3A')");
        ListWindow* w = open("frmContact");
        QVERIFY(w);
        must<QLineEdit>(w, "txtPhone")->setText("407-939-3463");
        world->dialogs().answerMessage();
        click(w, "Picture3");
        QCOMPARE(world->dialogs().messages(), QStringList({"Add a contact description"}));

        must<QLineEdit>(w, "txtContact")->setText("Disney's Dining");
        must<QLineEdit>(w, "txtNotes")->setText("Call 60 days ahead");
        click(w, "Picture3");
        QCOMPARE(
            stored(*world->content(), "SELECT Contact || '|' || ContactPhone || '|' || ContactNotes FROM Contacts"),
            QStringList({"Airline|800-555-0199|Seats 3A", "Disney's Dining|407-939-3463|Call 60 days ahead"}));
        QCOMPARE(shownTexts(w, {"txtContact", "txtPhone", "txtNotes"}), QStringList(3, QString()));
        QCOMPARE(
            paneMarkup(*paneOf(w)),
            QStringLiteral("* {bold,white:--}{bold,red:Airline}    800-555-0199     (Seats 3A)\n"
                           "* {bold,white:--}{bold,red:Disney's Dining}    407-939-3463     (Call 60 days ahead)\n"));
    }

    void everyContactIsFormattedHoweverLongTheList() {
        for (int i = 1; i <= 30; ++i)
            world->exec(kContent, "INSERT INTO Contacts VALUES (?, '', '')", {QStringLiteral("Contact %1").arg(i)});
        ListWindow* w = open("frmContact");
        QVERIFY(w);
        QVERIFY(paneMarkup(*paneOf(w)).endsWith(QStringLiteral("* {bold,white:--}{bold,red:Contact 30}    \n")));
    }

    void eachWindowHintsPrintsAndCloses_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("print");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("header");
        QTest::newRow("contacts") << "frmContact"
                                  << "txtContact"
                                  << "Picture1" << QStringLiteral("Add Contacts below and hit the Add Contact button")
                                  << "Contact List";
        QTest::newRow("don't forget") << "frmList"
                                      << "txtAdd"
                                      << "Picture2" << QStringLiteral("Add and remove your items below")
                                      << "Don't Leave Me at Home!";
        QTest::newRow("own tips") << "frmMyTips"
                                  << "txtAdd"
                                  << "Picture1" << QStringLiteral("Add and remove your tips below")
                                  << "My Tips and Notes";
    }
    void eachWindowHintsPrintsAndCloses() {
        QFETCH(QString, form);
        QFETCH(QString, entry);
        QFETCH(QString, print);
        QFETCH(QString, hint);
        QFETCH(QString, header);
        ListWindow* w = open(form);
        QVERIFY(w);
        must<QLineEdit>(w, entry)->setText("Sunscreen");
        must<QPushButton>(w, "Command1")->click();
        QTest::keyClick(paneOf(w), Qt::Key_Down); // moving about the pane is no typing
        world->dialogs().answerMessage();
        QTest::keyClick(paneOf(w), Qt::Key_S);
        QCOMPARE(world->dialogs().messages(), QStringList({hint}));

        must<QAction>(w, "mnuPrint")->trigger();
        click(w, qPrintable(print));
        QCOMPARE(world->printer().documents.size(), 2);
        const QString printed = world->printer().words(1, 0).join(' ');
        QVERIFY2(printed.contains(header) && printed.contains("Sunscreen"), qPrintable(printed));
        click(w, "Picture9");
        QVERIFY(!Forms::isLoaded(form));
    }
};

QTEST_MAIN(TestListWindow)
#include "tst_listwindow.moc"
