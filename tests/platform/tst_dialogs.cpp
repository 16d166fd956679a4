#include "TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using platform::Answer;
using platform::Buttons;

// The desktop's own message boxes, as the user meets them: the test notes
// what the box shows once it is up, then answers it.
class TestDialogs : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world; // the program's fonts, the headless notices quiet
    std::unique_ptr<platform::Dialogs> dialogs = platform::Dialogs::makeDesktop();

    // Runs `answer` on the dialog of type T that comes up next; any other is closed.
    template <typename T> static void whenShown(std::function<void(T*)> answer) {
        QTimer::singleShot(0, qApp, [answer] {
            QWidget* shown = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<T*>(shown))
                answer(dialog);
            else if (shown)
                shown->close();
        });
    }

private slots:
    void initTestCase() { world = std::make_unique<TestWorld>(false); }
    void cleanupTestCase() { world.reset(); }

    // Each row: the buttons, the one pressed ("" for Enter, which presses the default one), the answer.
    void messageBoxesArePlainAndTitledWithTheProgramsTitle_data() {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<QString>("press");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("OK") << Buttons::Ok << "" << Answer::Ok;
        QTest::newRow("Yes by Enter") << Buttons::YesNo << "" << Answer::Yes;
        QTest::newRow("No") << Buttons::YesNo << "No" << Answer::No;
    }
    void messageBoxesArePlainAndTitledWithTheProgramsTitle() {
        QFETCH(Buttons, buttons);
        QFETCH(QString, press);
        const QString text = QStringLiteral("Are you sure you wish to delete <b>this</b> item");
        QStringList seen;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            QStringList captions;
            for (QAbstractButton* button : box->buttons())
                captions << button->text().remove(QLatin1Char('&'));
            captions.sort();
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            seen << box->windowTitle() << box->text() << captions.join(QLatin1Char('|'))
                 << (box->icon() == QMessageBox::NoIcon ? "no icon" : "an icon")
                 << (label->textFormat() == Qt::PlainText ? "as written" : "as markup");
            if (press.isEmpty())
                QTest::keyClick(box, Qt::Key_Return);
            for (QAbstractButton* button : box->buttons())
                if (!press.isEmpty() && button->text().remove(QLatin1Char('&')) == press)
                    button->click();
        });
        QTEST(dialogs->message(text, buttons), "answer");
        const char* captions = buttons == Buttons::Ok ? "OK" : "No|Yes";
        QCOMPARE(seen, (QStringList{QStringLiteral("Travisto"), text, captions, "no icon", "as written"}));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
