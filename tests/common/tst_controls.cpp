#include "TestSupport.h"

#include "common/CWordWrap.h"
#include "common/CommandButton.h"
#include "common/Controls.h"
#include "common/DatePicker.h"
#include "common/DropDownList.h"
#include "common/HoverLink.h"
#include "common/ListBox.h"
#include "common/OptionButton.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "common/TextBox.h"
#include "common/WebPageViewer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

using common::PictureButton;

namespace {

// Shows `control` in an active window above a text box that can take the focus from it.
QLineEdit* showWithNeighbour(QWidget& window, QWidget* control) {
    auto* layout = new QVBoxLayout(&window);
    auto* neighbour = new QLineEdit(&window);
    layout->addWidget(control);
    layout->addWidget(neighbour);
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window) ? neighbour : nullptr;
}

} // namespace

class TestControls : public WorldTest {
    Q_OBJECT
private slots:
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

    // Each row: the key the user presses on the button; none: a mouse click.
    void aCommandButtonIsClickedByMouseSpaceAndEnterOnly_data() {
        QTest::addColumn<int>("key");
        QTest::addRow("mouse") << 0;
        QTest::addRow("Space") << int(Qt::Key_Space);
        QTest::addRow("Return") << int(Qt::Key_Return);
        QTest::addRow("keypad Enter") << int(Qt::Key_Enter);
    }
    void aCommandButtonIsClickedByMouseSpaceAndEnterOnly() {
        QFETCH(int, key);
        // Even on a dialog, Enter in a text box clicks no button of its own accord.
        QDialog window;
        auto* button = new common::CommandButton(&window, QStringLiteral("Command1"), QStringLiteral("Search"));
        QLineEdit* box = showWithNeighbour(window, button);
        QVERIFY(box);
        QSignalSpy clicks(button, &QPushButton::clicked);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(window.isVisible());
        QCOMPARE(clicks.count(), 0);

        button->setFocus(Qt::TabFocusReason);
        if (key == 0)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QTest::keyClick(button, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(clicks.count(), 1);
    }

    // Each row: how the focus arrives in "Hello world", whose caret the user left after "Hello".
    void aTextBoxSelectsAllOnFocusOnlyWhenMadeTo_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("selectsAll");
        QTest::addColumn<QString>("typed"); // the text after typing "X"
        for (const bool all : {false, true}) {
            const char* kind = all ? "selects all" : "plain";
            QTest::addRow("%s, Tab", kind) << "tab" << all << (all ? "X" : "HelloX world");
            QTest::addRow("%s, Backtab", kind) << "backtab" << all << (all ? "X" : "HelloX world");
            QTest::addRow("%s, click at the end", kind) << "click" << all << (all ? "X" : "Hello worldX");
            QTest::addRow("%s, from the program", kind) << "program" << all << (all ? "X" : "HelloX world");
        }
    }
    void aTextBoxSelectsAllOnFocusOnlyWhenMadeTo() {
        QFETCH(QString, way);
        QFETCH(bool, selectsAll);
        QWidget window;
        auto* box = new common::TextBox(&window, QStringLiteral("txtHotel"));
        box->setSelectsAllOnFocus(selectsAll);
        QLineEdit* other = showWithNeighbour(window, box);
        QVERIFY(other);
        other->setFocus();
        // A text the program sets shows from its start.
        box->setText(QStringLiteral("Hello world"));
        QCOMPARE(box->cursorPosition(), 0);
        box->setCursorPosition(5);

        if (way == QLatin1String("tab") || way == QLatin1String("backtab"))
            QTest::keyClick(other, way == QLatin1String("tab") ? Qt::Key_Tab : Qt::Key_Backtab);
        else if (way == QLatin1String("click"))
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
        else
            box->setFocus();
        QVERIFY(box->hasFocus());
        QCOMPARE(box->selectedText(), selectsAll ? QStringLiteral("Hello world") : QString());
        QTest::keyClicks(box, QStringLiteral("X"));
        QTEST(box->text(), "typed");
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

    void linksComeToRestWhenTheMouseTouchesTheirOwnWindowsBackground() {
        platform::Form window(QStringLiteral("frmLinksProbe")), other(QStringLiteral("frmOtherProbe"));
        window.setClientSizeTwips(6000, 3000);
        auto* frame = new QWidget(window.client());
        frame->setGeometry(100, 100, 200, 100);
        // One link straight on the client area, one inside a frame on it, one made after the window showed.
        auto* onClient = new common::HoverLink(QStringLiteral("Home"), window.client());
        auto* inFrame = new common::HoverLink(QStringLiteral("Tips"), frame);
        window.show();
        auto* late = new common::HoverLink(QStringLiteral("Links"), window.client());
        auto* elsewhere = new common::HoverLink(QStringLiteral("Other"), other.client());
        const QList<common::HoverLink*> links = {onClient, inFrame, late, elsewhere};
        auto hovered = [&] {
            QList<bool> states;
            for (common::HoverLink* link : links)
                states << (link->isHovered() && link->currentColor() == QColor(255, 0, 0) && !link->isUnderlined());
            return states;
        };
        for (common::HoverLink* link : links)
            moveMouseOver(link);
        QCOMPARE(hovered(), QList<bool>({true, true, true, true}));
        // Over a link nothing comes to rest.
        moveMouseOver(onClient);
        QCOMPARE(hovered(), QList<bool>({true, true, true, true}));
        moveMouseOver(window.client(), QPointF(400, 20));
        QCOMPARE(hovered(), QList<bool>({false, false, false, true}));
        QCOMPARE(onClient->currentColor(), QColor(0, 0, 255));
        QVERIFY(onClient->isUnderlined());
        // A link moved to another window follows that window's background.
        late->setParent(other.client());
        moveMouseOver(late);
        moveMouseOver(window.client(), QPointF(400, 20));
        QVERIFY(late->isHovered());
        moveMouseOver(other.client(), QPointF(400, 20));
        QCOMPARE(hovered(), QList<bool>({false, false, false, false}));
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

    // Each step: "type:TEXT" (typed over the whole text), "enter", "tab" (the focus leaves),
    // "wheel", "down", "up", or "list" (open the list, Down twice, Enter inside it).
    void aDropDownListPicksOnlyWhatTheUserChooses_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("picks");
        // clang-format off
        QTest::addRow("wheel over the closed list") << "wheel" << "Choose Yes or No" << -1 << 0;
        QTest::addRow("no inline completion") << "type:N" << "N" << -1 << 0;
        QTest::addRow("typed name, then Enter") << "type:No enter" << "No" << -1 << 0;
        QTest::addRow("typed name, then the focus leaves") << "type:Yes tab" << "Yes" << -1 << 0;
        QTest::addRow("typing after a pick") << "down type:Yes tab" << "Yes" << -1 << 1;
        QTest::addRow("Down picks the first entry") << "down" << "Yes" << 0 << 1;
        QTest::addRow("Down, Down") << "down down down" << "No" << 1 << 2;
        QTest::addRow("Up above the first entry") << "down up" << "Yes" << 0 << 1;
        QTest::addRow("Down from a typed name") << "type:Yes down" << "No" << 1 << 1;
        QTest::addRow("wheel after a pick") << "down wheel wheel" << "Yes" << 0 << 1;
        QTest::addRow("chosen in the opened list") << "list" << "No" << 1 << 1;
        // clang-format on
    }
    void aDropDownListPicksOnlyWhatTheUserChooses() {
        QFETCH(QString, steps);
        QFETCH(int, chosen);
        QWidget window;
        auto* box = new common::DropDownList(&window, QStringLiteral("cboWet"));
        box->addItems({QStringLiteral("Yes"), QStringLiteral("No")});
        box->setShownText(QStringLiteral("Choose Yes or No"));
        QLineEdit* other = showWithNeighbour(window, box);
        QVERIFY(other);
        box->setFocus();
        QSignalSpy picked(box, &common::DropDownList::picked);
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            if (step.startsWith(QLatin1String("type:"))) {
                box->lineEdit()->selectAll();
                QTest::keyClicks(box, step.mid(5));
            } else if (step == QLatin1String("enter")) {
                QTest::keyClick(box, Qt::Key_Return);
            } else if (step == QLatin1String("tab")) {
                other->setFocus(Qt::TabFocusReason);
            } else if (step == QLatin1String("wheel")) {
                QVERIFY(!turnWheel(box)); // not taken: the window beneath may scroll
            } else if (step == QLatin1String("down") || step == QLatin1String("up")) {
                QTest::keyClick(box, step == QLatin1String("down") ? Qt::Key_Down : Qt::Key_Up);
            } else if (step == QLatin1String("list")) {
                box->showPopup();
                QTest::keyClick(box->view(), Qt::Key_Down);
                QTest::keyClick(box->view(), Qt::Key_Down);
                QCOMPARE(picked.count(), 0);
                QTest::keyClick(box->view(), Qt::Key_Return);
            }
        }
        QTEST(box->currentText(), "shown");
        QCOMPARE(box->chosenPosition(), chosen);
        QTEST(int(picked.count()), "picks");
        if (chosen >= 0)
            QCOMPARE(picked.last().first().toInt(), chosen);
    }

    void aDropDownListSetFromCodeKeepsItsTextAndPicksNothing() {
        common::DropDownList box(nullptr, QStringLiteral("Combo1"));
        QSignalSpy picked(&box, &common::DropDownList::picked);
        box.setShownText(QStringLiteral("Choose a Park"));
        // Entries arriving in an empty list leave the shown text and choose nothing.
        box.addItems({QStringLiteral("Magic Kingdom"), QStringLiteral("Epcot")});
        QCOMPARE(box.currentText(), QStringLiteral("Choose a Park"));
        QCOMPARE(box.chosenPosition(), -1);
        box.choose(1);
        QCOMPARE(box.currentText(), QStringLiteral("Epcot"));
        QCOMPARE(box.chosenPosition(), 1);
        box.choose(2);
        QCOMPARE(box.chosenPosition(), 1);
        box.setShownText(QStringLiteral("Magic Kingdom"));
        QCOMPARE(box.chosenPosition(), -1);
        QCOMPARE(picked.count(), 0);
    }

    // The date changes only by typing, the arrow keys or the calendar: never by
    // the wheel over the closed picker or a click on its frame.
    void aDatePickerChangesOnlyByKeysOrItsCalendar() {
        QWidget window;
        auto* picker = new common::DatePicker(&window, QStringLiteral("DTPicker1"));
        picker->setDate(QDate(2004, 6, 1));
        QLineEdit* neighbour = showWithNeighbour(window, picker);
        QVERIFY(neighbour);
        neighbour->setFocus();
        QVERIFY(!turnWheel(picker));
        QVERIFY(!turnWheel(picker, 120));
        QCOMPARE(picker->date(), QDate(2004, 6, 1));
        QVERIFY(!picker->hasFocus());
        // Just inside the frame, below the text: Qt would take this for a step down.
        QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(2, picker->height() - 2));
        QCOMPARE(picker->date(), QDate(2004, 6, 1));
        QVERIFY(picker->hasFocus());
        picker->setCurrentSection(QDateTimeEdit::DaySection);
        QTest::keyClick(picker, Qt::Key_Up);
        QCOMPARE(picker->date(), QDate(2004, 6, 2));
        QCOMPARE(picker->text(), QStringLiteral("6/2/2004"));
        // The arrow drops the calendar down.
        QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() - 4, picker->height() / 2));
        QTRY_VERIFY(picker->calendarWidget()->isVisible());
        QCOMPARE(picker->date(), QDate(2004, 6, 2));
    }

    void aListBoxRunsItsClickForEverySelectionByMouseOrKeyboard() {
        QWidget window;
        auto* list = new common::ListBox(&window, QStringLiteral("lstRides"));
        list->addItems(
            {QStringLiteral("Astro Orbiter"), QStringLiteral("Dumbo"),
             QStringLiteral("Peter Pan's Flight over London and on to Never Land, a ride too long to show")});
        QVERIFY(showWithNeighbour(window, list));
        // A long entry is cut at the list's edge: no horizontal scroll bar.
        QVERIFY(list->width() < list->sizeHintForColumn(0));
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        QSignalSpy picked(list, &common::ListBox::picked);
        // The focus arriving selects nothing.
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(picked.count(), 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Up); // already at the top: no change
        QTest::keyClick(list, Qt::Key_D);  // the first letter of an entry
        QList<int> rows;
        for (const QList<QVariant>& signal : picked)
            rows << signal.first().toInt();
        QCOMPARE(rows, (QList<int>{1, 2, 0, 1}));
        QCOMPARE(list->currentRow(), 1);
    }

    void aReplacedTextStartsFromThePanesOwnPlainFormat() {
        common::RichTextBox box;
        box.setText(QStringLiteral("--Park Hopper    555-1234\r\n--Dining    555-4321\r\n"));
        common::CWordWrap wrap;
        QStringList markers = {QString(), QStringLiteral("--"), QStringLiteral("--")};
        wrap.BoldText(box, &markers, 3, {QStringLiteral("Park Hopper")}, 1);
        QVERIFY(paneMarkup(box).startsWith(QStringLiteral("* {bold,white:--}{bold,red:Park Hopper}")));
        box.setText(QStringLiteral("one\r\ntwo"));
        QCOMPARE(paneMarkup(box), QStringLiteral("one\ntwo"));
        QCOMPARE(box.currentCharFormat().foreground().style(), Qt::NoBrush);

        // A pane the user read to its end shows a new text from its first line.
        box.resize(200, 100);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QString lines = QStringLiteral("line\n").repeated(100);
        box.setText(lines);
        box.setSelStart(int(lines.size()));
        QVERIFY(box.verticalScrollBar()->value() > 0);
        box.setText(lines);
        QCOMPARE(box.selStart(), 0);
        QCOMPARE(box.verticalScrollBar()->value(), 0);
    }

    // The families the windows name, as the program draws them: bold carries
    // visibly more ink than regular.
    void boldLettersAreHeavierInEveryFamilyTheWindowsUse_data() {
        QTest::addColumn<QString>("family");
        for (const char* family : {"Tahoma", "Verdana", "MS Sans Serif", "Times New Roman"})
            QTest::newRow(family) << QString::fromLatin1(family);
    }
    void boldLettersAreHeavierInEveryFamilyTheWindowsUse() {
        QFETCH(QString, family);
        const auto ink = [&family](bool bold) {
            QImage image(200, 40, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            p.setFont(common::makeFont(family, 9.75, bold));
            p.drawText(4, 28, QStringLiteral("MORNING"));
            p.end();
            return std::count_if(image.constBits(), image.constBits() + image.sizeInBytes(),
                                 [](uchar b) { return b < 128; });
        };
        const auto regular = ink(false), bold = ink(true);
        QVERIFY2(bold > regular * 6 / 5, qPrintable(QStringLiteral("%1 against %2").arg(bold).arg(regular)));
    }

    void aMissingPageSaysSoInThePane() {
        common::WebPageViewer viewer(
            {QStringLiteral("frmProbe"), QStringLiteral("Gone"), QStringLiteral("nothere.htm")});
        viewer.Form_Load();
        auto* page = must<common::WebBrowser>(&viewer, "WebBrowser1");
        QVERIFY(!page->pageFound());
        QVERIFY(page->toPlainText().contains(QStringLiteral("nothere.htm")));
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
