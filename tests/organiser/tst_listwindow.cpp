#include "TestSupport.h"

#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "organiser/ListWindow.h"

#include <QAction>
#include <QComboBox>
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

class TestListWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static ListWindow* open(const QString& form) { return qobject_cast<ListWindow*>(Forms::open(form)); }
    static void click(common::PictureButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5)); }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void entriesAreNumberedStoredAsTypedAndKeptWhenTheAddFails_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("table");
        QTest::newRow("don't forget") << "frmList" << QStringLiteral("DontForget");
        QTest::newRow("own tips") << "frmMyTips" << QStringLiteral("UserTips");
    }
    void entriesAreNumberedStoredAsTypedAndKeptWhenTheAddFails() {
        QFETCH(QString, form);
        QFETCH(QString, table);
        ListWindow* w = open(form);
        QVERIFY(w);
        QLineEdit* txtAdd = child<QLineEdit>(w, "txtAdd");
        QCOMPARE(w->pane->text(), QString());

        click(w->addButton); // an empty entry is ignored without a word
        QTest::keyClicks(txtAdd, "Bring sunscreen");
        click(w->addButton);
        QCOMPARE(w->pane->text(), QStringLiteral("1.  Bring sunscreen\n"));
        QCOMPARE(txtAdd->text(), QString());
        QCOMPARE(w->focusWidget(), txtAdd);

        txtAdd->setText("Don't forget Mickey's ears");
        w->Command1->click();
        txtAdd->setText("'''");
        w->Command1->click();
        QCOMPARE(stored(*world->user(), "SELECT * FROM " + table),
                 QStringList({"Bring sunscreen", "Don't forget Mickey's ears", "'''"}));
        QCOMPARE(w->pane->text(), QStringLiteral("1.  Bring sunscreen\n2.  Don't forget Mickey's ears\n3.  '''\n"));
        QCOMPARE(w->cbItems->count(), 3);

        world->exec(kUser, "DROP TABLE " + table);
        txtAdd->setText("Park tickets");
        world->dialogs().answerMessage(); // the database's own report of the failure
        click(w->addButton);
        QCOMPARE(txtAdd->text(), QStringLiteral("Park tickets")); // kept for another try
    }

    void removalAsksThenRemovesEveryEntryOfThatText_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("shown");
        QTest::newRow("don't forget, yes") << "frmList" << Answer::Yes << QStringLiteral("1.  Dont\n2.  Hat\n");
        QTest::newRow("don't forget, no")
            << "frmList" << Answer::No << QStringLiteral("1.  Dont\n2.  Don't\n3.  Hat\n4.  Don't\n");
        QTest::newRow("own tips, yes") << "frmMyTips" << Answer::Yes << QStringLiteral("1.  Dont\n2.  Hat\n");
    }
    void removalAsksThenRemovesEveryEntryOfThatText() {
        QFETCH(QString, form);
        QFETCH(Answer, answer);
        const QString table = form == "frmList" ? "DontForget(Item)" : "UserTips(Tip)";
        world->exec(kUser, "INSERT INTO " + table + " VALUES ('Dont'), ('Don''t'), ('Hat'), ('Don''t')");
        ListWindow* w = open(form);
        QVERIFY(w);
        w->cbItems->setEditText("Don't");
        world->dialogs().answerMessage(answer);
        click(w->removeButton);
        QCOMPARE(world->dialogs().messages(), QStringList({"Are you sure you wish to delete this item"}));
        QCOMPARE(world->dialogs().shown().first().buttons, platform::Buttons::YesNo);
        QTEST(w->pane->text(), "shown");
        QCOMPARE(w->cbItems->currentText(), QString());
    }

    void contactsAreListedColouredAndRemovedWithoutAsking() {
        world->exec(kContent, "INSERT INTO Contacts VALUES ('Pet''s hotel', '555-0101', 'Rex'), ('', 'none', NULL), "
                              "('Airline', '800-555-0199', ''), ('Pet''s hotel', '555-0102', NULL)");
        ListWindow* w = open("frmContact");
        QVERIFY(w);
        QCOMPARE(w->pane->text(), QStringLiteral("--Pet's hotel    555-0101     (Rex)\n--    none\n"
                                                 "--Airline    800-555-0199\n--Pet's hotel    555-0102\n"));
        // Each line is bulleted with its marker whitened and its description red.
        const int airline = int(w->pane->text().indexOf("Airline"));
        QVERIFY(w->pane->isBulleted(airline));
        QCOMPARE(w->pane->formatAt(airline - 2).foreground().color(), QColor(Qt::white));
        QCOMPARE(w->pane->formatAt(airline).foreground().color(), QColor(Qt::red));

        QLineEdit* txtContact = child<QLineEdit>(w, "txtContact");
        txtContact->setText("Typed, not yet added");
        w->cbItems->setEditText("Pet's hotel");
        click(w->removeButton);
        QCOMPARE(w->pane->text(), QStringLiteral("--    none\n--Airline    800-555-0199\n"));
        QCOMPARE(QStringList({w->cbItems->itemText(0), w->cbItems->itemText(1)}), QStringList({"", "Airline"}));
        QCOMPARE(w->cbItems->count(), 2);
        QCOMPARE(txtContact->text(), QStringLiteral("Typed, not yet added"));
        w->Command2->click(); // the empty text removes only the row without a description
        QCOMPARE(stored(*world->content(), "SELECT Contact FROM Contacts"), QStringList({"Airline"}));
    }

    void addingAContactNeedsADescription() {
        ListWindow* w = open("frmContact");
        QVERIFY(w);
        QLineEdit *txtContact = w->entries[0], *txtPhone = w->entries[1], *txtNotes = w->entries[2];
        txtPhone->setText("407-939-3463");
        world->dialogs().answerMessage();
        click(w->addButton);
        QCOMPARE(world->dialogs().messages(), QStringList({"Add a contact description"}));

        txtContact->setText("Disney's Dining");
        txtNotes->setText("Call 60 days ahead");
        click(w->addButton);
        QCOMPARE(
            stored(*world->content(), "SELECT Contact || '|' || ContactPhone || '|' || ContactNotes FROM Contacts"),
            QStringList({"Disney's Dining|407-939-3463|Call 60 days ahead"}));
        QCOMPARE(txtContact->text() + txtPhone->text() + txtNotes->text(), QString());
        QCOMPARE(w->pane->text(), QStringLiteral("--Disney's Dining    407-939-3463     (Call 60 days ahead)\n"));
    }

    void everyContactIsFormattedHoweverLongTheList() {
        for (int i = 1; i <= 30; ++i)
            world->exec(kContent, "INSERT INTO Contacts VALUES (?, '', '')", {QStringLiteral("Contact %1").arg(i)});
        ListWindow* w = open("frmContact");
        QVERIFY(w);
        const int last = int(w->pane->text().indexOf("Contact 30"));
        QCOMPARE(w->pane->formatAt(last).foreground().color(), QColor(Qt::red));
        QVERIFY(w->pane->isBulleted(last));
    }

    void eachWindowHintsPrintsAndCloses_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("header");
        QTest::newRow("contacts") << "frmContact" << QStringLiteral("Add Contacts below and hit the Add Contact button")
                                  << "Contact List";
        QTest::newRow("don't forget") << "frmList" << QStringLiteral("Add and remove your items below")
                                      << "Don't Leave Me at Home!";
        QTest::newRow("own tips") << "frmMyTips" << QStringLiteral("Add and remove your tips below")
                                  << "My Tips and Notes";
    }
    void eachWindowHintsPrintsAndCloses() {
        QFETCH(QString, form);
        QFETCH(QString, hint);
        QFETCH(QString, header);
        ListWindow* w = open(form);
        QVERIFY(w);
        w->entries.first()->setText("Sunscreen");
        w->Command1->click();
        QTest::keyClick(w->pane, Qt::Key_Down); // moving about the pane is no typing
        world->dialogs().answerMessage();
        QTest::keyClick(w->pane, Qt::Key_S);
        QCOMPARE(world->dialogs().messages(), QStringList({hint}));

        w->mnuPrint->trigger();
        click(w->printButton);
        QCOMPARE(world->printer().documents.size(), 2);
        const QString printed = world->printer().words(1, 0).join(' ');
        QVERIFY2(printed.contains(header) && printed.contains("Sunscreen"), qPrintable(printed));
        click(w->closeButton);
        QVERIFY(!Forms::isLoaded(form));
    }
};

QTEST_MAIN(TestListWindow)
#include "tst_listwindow.moc"
