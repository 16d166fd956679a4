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

void click(common::PictureButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
}

QStringList comboItems(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class TestListWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static ListWindow* open(const QString& form) { return qobject_cast<ListWindow*>(Forms::open(form)); }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() {
        QVERIFY(world->dialogs().unexpected().isEmpty());
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void addedEntriesAreNumberedAndStoredAsTyped_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("select");
        QTest::newRow("don't forget") << "frmList"
                                      << "SELECT Item FROM DontForget ORDER BY OrderId";
        QTest::newRow("own tips") << "frmMyTips"
                                  << "SELECT Tip FROM UserTips";
    }
    void addedEntriesAreNumberedAndStoredAsTyped() {
        QFETCH(QString, form);
        QFETCH(QString, select);
        ListWindow* w = open(form);
        QLineEdit* txtAdd = child<QLineEdit>(w, "txtAdd");
        QCOMPARE(w->pane->text(), QString());
        QCOMPARE(w->cbItems->count(), 0);

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
        QCOMPARE(stored(*world->user(), select), QStringList({"Bring sunscreen", "Don't forget Mickey's ears", "'''"}));
        QCOMPARE(w->pane->text(), QStringLiteral("1.  Bring sunscreen\n2.  Don't forget Mickey's ears\n3.  '''\n"));
    }

    void removalAsksThenRemovesEveryEntryOfThatText_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("table");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("shown");
        QTest::newRow("don't forget, yes") << "frmList"
                                           << "DontForget(Item)" << Answer::Yes << "1.  Dont\n2.  Hat\n";
        QTest::newRow("don't forget, no")
            << "frmList"
            << "DontForget(Item)" << Answer::No << "1.  Dont\n2.  Don't\n3.  Hat\n4.  Don't\n";
        QTest::newRow("own tips, yes") << "frmMyTips"
                                       << "UserTips(Tip)" << Answer::Yes << "1.  Dont\n2.  Hat\n";
    }
    void removalAsksThenRemovesEveryEntryOfThatText() {
        QFETCH(QString, form);
        QFETCH(QString, table);
        QFETCH(Answer, answer);
        QFETCH(QString, shown);
        world->exec(kUser, "INSERT INTO " + table + " VALUES ('Dont'), ('Don''t'), ('Hat'), ('Don''t')");
        ListWindow* w = open(form);
        w->cbItems->setEditText("Don't");
        world->dialogs().answerMessage(answer);
        click(w->removeButton);
        QCOMPARE(world->dialogs().messages(), QStringList({"Are you sure you wish to delete this item"}));
        QCOMPARE(world->dialogs().shown().first().buttons, platform::Buttons::YesNo);
        QCOMPARE(w->pane->text(), shown);
        QCOMPARE(w->cbItems->currentText(), QString());
    }

    void contactsAreListedColouredAndRemovedWithoutAsking() {
        world->exec(kContent, "INSERT INTO Contacts VALUES ('Pet''s hotel', '555-0101', 'Rex'), ('', 'none', NULL), "
                              "('Airline', '800-555-0199', ''), ('Pet''s hotel', '555-0102', NULL)");
        ListWindow* w = open("frmContact");
        QCOMPARE(w->pane->text(), QStringLiteral("--Pet's hotel    555-0101     (Rex)\n--    none\n"
                                                 "--Airline    800-555-0199\n--Pet's hotel    555-0102\n"));
        // Each line is bulleted with its marker whitened and its description red.
        const QString text = w->pane->text();
        const int airline = int(text.indexOf("Airline"));
        QVERIFY(w->pane->isBulleted(airline));
        QCOMPARE(w->pane->formatAt(airline - 2).foreground().color(), QColor(Qt::white));
        QCOMPARE(w->pane->formatAt(airline).foreground().color(), QColor(Qt::red));

        QLineEdit* txtContact = child<QLineEdit>(w, "txtContact");
        txtContact->setText("Typed, not yet added");
        w->cbItems->setEditText("Pet's hotel");
        click(w->removeButton);
        QCOMPARE(w->pane->text(), QStringLiteral("--    none\n--Airline    800-555-0199\n"));
        QCOMPARE(comboItems(w->cbItems), QStringList({"", "Airline"}));
        QCOMPARE(txtContact->text(), QStringLiteral("Typed, not yet added"));
        w->Command2->click(); // the empty text removes only the row without a description
        QCOMPARE(stored(*world->content(), "SELECT Contact FROM Contacts"), QStringList({"Airline"}));
    }

    void addingAContactNeedsADescription() {
        ListWindow* w = open("frmContact");
        QLineEdit* txtContact = child<QLineEdit>(w, "txtContact");
        QLineEdit* txtPhone = child<QLineEdit>(w, "txtPhone");
        QLineEdit* txtNotes = child<QLineEdit>(w, "txtNotes");
        txtPhone->setText("407-939-3463");
        world->dialogs().answerMessage();
        click(w->addButton);
        QCOMPARE(world->dialogs().messages(), QStringList({"Add a contact description"}));
        QCOMPARE(stored(*world->content(), "SELECT COUNT(*) FROM Contacts"), QStringList({"0"}));

        txtContact->setText("Disney's Dining");
        txtNotes->setText("Call 60 days ahead");
        click(w->addButton);
        auto rs = world->content()->query("SELECT * FROM Contacts");
        QCOMPARE(rs.text("Contact") + "|" + rs.text("ContactPhone") + "|" + rs.text("ContactNotes"),
                 QStringLiteral("Disney's Dining|407-939-3463|Call 60 days ahead"));
        QCOMPARE(txtContact->text() + txtPhone->text() + txtNotes->text(), QString());
        QCOMPARE(w->pane->text(), QStringLiteral("--Disney's Dining    407-939-3463     (Call 60 days ahead)\n"));
    }

    void everyContactIsFormattedHoweverLongTheList() {
        for (int i = 1; i <= 30; ++i)
            world->exec(kContent, "INSERT INTO Contacts VALUES (?, '', '')", {QStringLiteral("Contact %1").arg(i)});
        ListWindow* w = open("frmContact");
        const int last = int(w->pane->text().indexOf("Contact 30"));
        QCOMPARE(w->pane->formatAt(last).foreground().color(), QColor(Qt::red));
        QVERIFY(w->pane->isBulleted(last));
    }

    void aFailedAddKeepsWhatWasTyped_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("box");
        QTest::newRow("contacts") << "frmContact" << kContent << "Contacts"
                                  << "txtContact";
        QTest::newRow("don't forget") << "frmList" << kUser << "DontForget"
                                      << "txtAdd";
    }
    void aFailedAddKeepsWhatWasTyped() {
        QFETCH(QString, form);
        QFETCH(QString, file);
        QFETCH(QString, table);
        QFETCH(QString, box);
        ListWindow* w = open(form);
        world->exec(file, "DROP TABLE " + table);
        child<QLineEdit>(w, box)->setText("Park tickets");
        world->dialogs().answerMessage(); // the database's own report of the failure
        click(w->addButton);
        QCOMPARE(world->dialogs().messages().size(), 1);
        QCOMPARE(child<QLineEdit>(w, box)->text(), QStringLiteral("Park tickets"));
    }

    void eachWindowHintsPrintsAndCloses_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("header");
        QTest::newRow("contacts") << "frmContact"
                                  << "Add Contacts below and hit the Add Contact button"
                                  << "Contact List";
        QTest::newRow("don't forget") << "frmList"
                                      << "Add and remove your items below"
                                      << "Don't Leave Me at Home!";
        QTest::newRow("own tips") << "frmMyTips"
                                  << "Add and remove your tips below"
                                  << "My Tips and Notes";
    }
    void eachWindowHintsPrintsAndCloses() {
        QFETCH(QString, form);
        QFETCH(QString, hint);
        QFETCH(QString, header);
        ListWindow* w = open(form);
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
