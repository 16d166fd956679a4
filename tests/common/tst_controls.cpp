#include "TestSupport.h"

#include "common/OptionButton.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "common/WebPageViewer.h"

#include <QAction>
#include <QSignalSpy>

using common::PictureButton;

class TestControls : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void aPictureButtonShowsItsBorderOnlyWhileHeldAndClicksOnRelease() {
        PictureButton button;
        button.resize(160, 26);
        button.setPicture(PictureButton::linkPicture(button.size(), QStringLiteral("Exit")));
        QSignalSpy clicks(&button, &PictureButton::clicked);
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(button.isPressed());
        QCOMPARE(clicks.count(), 0);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!button.isPressed());
        QCOMPARE(clicks.count(), 1);
        // Released outside the picture: no click.
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(300, 10));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!button.isPressed());
    }

    void aLongOptionCaptionWrapsAndTheWholeButtonPicksIt() {
        QWidget group;
        group.resize(520, 40);
        common::OptionButton first(QStringLiteral("Environmental Planet Center of Technology and Culture"), &group);
        common::OptionButton second(QStringLiteral("Short"), &group);
        first.setGeometry(0, 0, 252, 32);
        second.setGeometry(260, 0, 252, 32);
        group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&group));

        // The caption's second line carries ink at its start, below where one centred line would end.
        const QImage image = first.grab().toImage();
        int inked = 0;
        for (int y = 24; y < 32; ++y)
            for (int x = 20; x < 80; ++x)
                inked += qGray(image.pixel(x, y)) < 128;
        QVERIFY(inked > 20);

        // A click at the end of the second line picks it; arrows and space move the pick.
        QTest::mouseClick(&first, Qt::LeftButton, {}, QPoint(240, 28));
        QVERIFY(first.isChecked());
        QTest::keyClick(&first, Qt::Key_Right);
        QVERIFY(second.hasFocus() && second.isChecked() && !first.isChecked());
        QTest::keyClick(&second, Qt::Key_Left);
        QTest::keyClick(&first, Qt::Key_Space);
        QVERIFY(first.isChecked() && !second.isChecked());
    }

    void aSelectionStartOutsideTheTextKeepsTheSelection() {
        common::RichTextBox box;
        box.setText(QStringLiteral("one\r\ntwo"));
        QCOMPARE(box.text(), QStringLiteral("one\ntwo"));
        box.setSelStart(4);
        box.setSelLength(3);
        QCOMPARE(box.selText(), QStringLiteral("two"));
        box.setSelStart(-1);
        QCOMPARE(box.selStart(), 4);
        box.setSelLength(100);
        QCOMPARE(box.selLength(), 3);
    }

    void aMissingPageSaysSoInThePane() {
        common::WebPageViewer viewer(
            {QStringLiteral("frmProbe"), QStringLiteral("Gone"), QStringLiteral("nothere.htm")});
        viewer.Form_Load();
        QVERIFY(!viewer.WebBrowser1->pageFound());
        QVERIFY(viewer.WebBrowser1->toPlainText().contains(QStringLiteral("nothere.htm")));
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
