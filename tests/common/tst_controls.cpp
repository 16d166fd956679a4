#include "TestSupport.h"

#include "common/CWordWrap.h"
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

    void aReplacedTextStartsFromThePanesOwnPlainFormat() {
        common::RichTextBox box;
        box.setText(QStringLiteral("--Park Hopper    555-1234\r\n--Dining    555-4321\r\n"));
        common::CWordWrap wrap;
        QStringList markers = {QString(), QStringLiteral("--"), QStringLiteral("--")};
        wrap.BoldText(box, &markers, 3, {QStringLiteral("Park Hopper")}, 1);
        QCOMPARE(box.formatAt(0).foreground().color(), QColor(Qt::white));
        QVERIFY(box.isBulleted(0));

        box.setText(QStringLiteral("one\r\ntwo"));
        for (int position : {0, 4}) {
            const QTextCharFormat f = box.formatAt(position);
            QVERIFY(!f.hasProperty(QTextFormat::ForegroundBrush));
            QVERIFY(!f.hasProperty(QTextFormat::FontWeight));
            QVERIFY(!box.isBulleted(position));
        }
        QCOMPARE(box.currentCharFormat().foreground().style(), Qt::NoBrush);
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
