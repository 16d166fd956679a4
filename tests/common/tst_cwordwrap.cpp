#include "TestSupport.h"

#include "common/CWordWrap.h"
#include "common/RichTextBox.h"

#include <QApplication>
#include <algorithm>

using common::CWordWrap;
using common::RichTextBox;
using platform::RecordingPrinter;

// Printing is checked on the recording printer with fixed metrics: every
// character 100 twips wide, every line 300 twips high, a 12240 x 15840 page.
class TestCWordWrap : public QObject {
    Q_OBJECT

    std::unique_ptr<TestWorld> world;

    RecordingPrinter& printer() { return world->printer(); }

    // The first drawn item whose text is `text`, on a page of the first document.
    static const RecordingPrinter::Item* itemOf(const RecordingPrinter::Page& page, const QString& text) {
        for (const auto& item : page.items)
            if (item.text == text)
                return &item;
        return nullptr;
    }

    void print(const QString& text) {
        CWordWrap wrap;
        wrap.HeaderText = QStringLiteral("Header");
        wrap.PrintText(text);
    }

private slots:
    void init() {
        world = std::make_unique<TestWorld>(false);
        printer().useFixedMetrics(100, 300);
    }
    void cleanup() { world.reset(); }

    void emptyTextPrintsOnePageWithFrameOnly() {
        // The footer's date is the short date with the year in four digits,
        // as the headers the windows print above it write theirs.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        print(QString());
        QLocale::setDefault(QLocale::c());
        QCOMPARE(printer().documents.size(), 1);
        const auto& doc = printer().documents[0];
        QVERIFY(doc.ended);
        QCOMPARE(doc.pages.size(), 1);
        QCOMPARE(doc.pages[0].items.size(), 3);
        const auto* header = itemOf(doc.pages[0], QStringLiteral("Header"));
        QVERIFY(header);
        QCOMPARE(header->x, (12240 - 600) / 2.0);
        QCOMPARE(header->y, (1440 - 300) / 2.0);
        const auto& date = doc.pages[0].items[1];
        QCOMPARE(date.text, QStringLiteral("6/1/2004"));
        QCOMPARE(date.x, 720.0);
        QCOMPARE(date.y, 15840 - 720.0);
        const auto* page = itemOf(doc.pages[0], QStringLiteral("Page 1"));
        QVERIFY(page);
        QCOMPARE(page->x + 600, 12240 - 720.0);
        QCOMPARE(page->y, 15840 - 720.0);
    }

    void wordsStartAtTheMarginsAndWrapBeforeTheRightMargin() {
        // Ten words of nine letters and a blank fill 10000 twips from 720; the
        // eleventh would end at 11620, past 12240 - 720, and wraps.
        QStringList words;
        for (int i = 0; i < 12; ++i)
            words << QStringLiteral("word%1abcd").arg(i, 1, 36).left(9);
        print(words.join(QLatin1Char(' ')));
        const auto& page = printer().documents[0].pages[0];
        const auto* first = itemOf(page, words[0]);
        QCOMPARE(first->x, 720.0);
        QCOMPARE(first->y, 1440.0);
        QCOMPARE(itemOf(page, words[9])->x, 720.0 + 9 * 1000);
        QCOMPARE(itemOf(page, words[10])->x, 720.0);
        QCOMPARE(itemOf(page, words[10])->y, 1740.0);
        QCOMPARE(itemOf(page, words[11])->x, 1720.0);
    }

    void anOverlongWordGetsALineOfItsOwnAndIsNotSplit() {
        const QString longWord(120, QLatin1Char('x'));
        print(longWord + QStringLiteral(" end"));
        const auto& page = printer().documents[0].pages[0];
        const auto* item = itemOf(page, longWord);
        QVERIFY(item);
        // The (empty) first line is ended before the long word.
        QCOMPARE(item->x, 720.0);
        QCOMPARE(item->y, 1740.0);
        QCOMPARE(itemOf(page, QStringLiteral("end"))->y, 2040.0);
    }

    void separatorsBlanksTabsAndLineEnds() {
        // Tabs stop every ten digit widths from 720; blanks after a line feed
        // indent; carriage returns print nothing and each line feed ends a line.
        print(QStringLiteral("\tA\r\n\t\tB\r\n\r\n  C"));
        const auto& page = printer().documents[0].pages[0];
        QCOMPARE(itemOf(page, QStringLiteral("A"))->x, 720.0 + 1000);
        QCOMPARE(itemOf(page, QStringLiteral("B"))->x, 720.0 + 2000);
        QCOMPARE(itemOf(page, QStringLiteral("B"))->y, 1740.0);
        QCOMPARE(itemOf(page, QStringLiteral("C"))->x, 720.0 + 200);
        QCOMPARE(itemOf(page, QStringLiteral("C"))->y, 2340.0);
        QCOMPARE(std::count_if(page.items.begin(), page.items.end(), [](const auto& i) { return i.text == " "; }), 2);
    }

    void pagesBreakBelowTheBottomMarginWithNumberedFrames() {
        // Tops 1440, 1740, ... up to 14340 fit (44 lines a page); 100 lines take three pages.
        QString text;
        for (int i = 0; i < 100; ++i)
            text += QStringLiteral("L%1\n").arg(i);
        print(text);
        const auto& doc = printer().documents[0];
        QCOMPARE(doc.pages.size(), 3);
        QCOMPARE(itemOf(doc.pages[0], QStringLiteral("L43"))->y, 14340.0);
        const auto* top = itemOf(doc.pages[1], QStringLiteral("L44"));
        QCOMPARE(top->x, 720.0);
        QCOMPARE(top->y, 1440.0);
        const auto* page3 = itemOf(doc.pages[2], QStringLiteral("Page 3"));
        QVERIFY(page3);
        QCOMPARE(page3->x + 600, 12240 - 720.0);
        QCOMPARE(page3->y, 15840 - 720.0);
        QVERIFY(itemOf(doc.pages[2], QStringLiteral("L99")));
    }

    void aLineExactlyOnTheBottomLimitStaysOnThePage() {
        printer().useFixedMetrics(100, 480); // 1440 + 27 * 480 = 14400
        QString text;
        for (int i = 0; i < 29; ++i)
            text += QStringLiteral("L%1\n").arg(i);
        print(text);
        const auto& doc = printer().documents[0];
        QCOMPARE(itemOf(doc.pages[0], QStringLiteral("L27"))->y, 14400.0);
        QCOMPARE(itemOf(doc.pages[1], QStringLiteral("L28"))->y, 1440.0);
    }

    void aTextLongerThanSixteenBitsPrintsWhole() {
        QString text;
        for (int i = 0; i < 12000; ++i)
            text += QStringLiteral("w%1 ").arg(i % 10);
        QVERIFY(text.size() > 32767);
        print(text + QStringLiteral("last"));
        const auto& doc = printer().documents[0];
        QVERIFY(doc.ended);
        QVERIFY(itemOf(doc.pages.last(), QStringLiteral("last")));
    }

    // The print command starts with one blank that does not end its line.
    void printContentPaneStartsWithABlankSetsTheFontAndPrintsOneDocument() {
        {
            // As PrintContentPane does, looking at the printer after the blank.
            const common::PrintRun run;
            QCOMPARE(QPointF(printer().currentX, printer().currentY), QPointF(100, 0));
            CWordWrap wrap;
            wrap.HeaderText = QStringLiteral("Title");
            wrap.PrintText(QStringLiteral("Body"));
        }
        QCOMPARE(printer().documents.size(), 1);
        const auto& first = printer().documents[0].pages[0].items[0];
        QCOMPARE(first.text, QStringLiteral(" "));
        QCOMPARE(QPointF(first.x, first.y), QPointF(0, 0));
        const auto* body = itemOf(printer().documents[0].pages[0], QStringLiteral("Body"));
        QCOMPARE(body->fontName, QStringLiteral("Times New Roman"));
        QCOMPARE(body->fontSize, 14.0);
        QCOMPARE(QPointF(body->x, body->y), QPointF(720, 1440));
    }

    // ---- BoldText

    void boldTextWithEmptyListsOnlyMovesTheCaret() {
        RichTextBox box;
        box.setText(QStringLiteral("Some text here"));
        box.setSelStart(5);
        box.setSelLength(4);
        CWordWrap().BoldText(box, nullptr, 1, {}, 0);
        QCOMPARE(box.selStart(), 0);
        QCOMPARE(box.selLength(), 0);
        QVERIFY(!box.isBulleted(0));
        QCOMPARE(box.formatAt(5).fontWeight(), int(QFont::Normal));
    }

    void boldTextPrefixesLongEntriesAndWhitensShortMarkers() {
        RichTextBox box;
        box.setText(QStringLiteral("-- first tip\nnote: Abcd here\n  Space Mountain rocks"));
        QStringList words = {QString(), QStringLiteral("--"), QStringLiteral("Abcd"),
                             QStringLiteral(" Space Mountain ")};
        CWordWrap().BoldText(box, &words, 4, {}, 0);
        QCOMPARE(words[1], QStringLiteral("--"));
        QCOMPARE(words[2], QStringLiteral("Abcd"));
        QCOMPARE(words[3], QStringLiteral("  Space Mountain"));
        // "--" is whitened and its paragraph bulleted.
        QCOMPARE(box.formatAt(0).foreground().color(), QColor(Qt::white));
        QVERIFY(box.isBulleted(0));
        // A 4-character entry keeps its colour.
        const int abcd = box.text().indexOf(QStringLiteral("Abcd"));
        QVERIFY(box.formatAt(abcd).foreground().color() != QColor(Qt::white));
        QCOMPARE(box.formatAt(abcd).fontWeight(), int(QFont::Bold));
        const int space = box.text().indexOf(QStringLiteral("Space"));
        QCOMPARE(box.formatAt(space).fontWeight(), int(QFont::Bold));
        QCOMPARE(box.selStart(), 0);
    }

    void boldTextFindsARepeatedMarkerAtSuccessiveOccurrencesAndAppliesTheColour() {
        RichTextBox box;
        box.setText(QStringLiteral("* one\n* two\nthree"));
        QStringList words = {QString(), QStringLiteral("*"), QStringLiteral("*")};
        CWordWrap().BoldText(box, &words, 3, {}, 0, QColor(255, 0, 0));
        QCOMPARE(box.formatAt(0).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(box.formatAt(6).foreground().color(), QColor(255, 0, 0));
        QVERIFY(box.isBulleted(0));
        QVERIFY(box.isBulleted(6));
        QVERIFY(!box.isBulleted(12));
    }

    void boldTextColoursHeadingsRedAndAMissingHeadingHitsTheStart() {
        RichTextBox box;
        box.setText(QStringLiteral("Intro line\nMorning\nrides\nEvening"));
        CWordWrap().BoldText(box, nullptr, 1, {QStringLiteral("morning"), QStringLiteral("Noonish")}, 2);
        const int morning = box.text().indexOf(QStringLiteral("Morning"));
        QCOMPARE(box.formatAt(morning).foreground().color(), QColor(255, 0, 0));
        // Not found: the first characters of the text, as many as the entry has.
        QCOMPARE(box.formatAt(0).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(box.formatAt(6).foreground().color(), QColor(255, 0, 0));
        QVERIFY(box.formatAt(7).foreground().color() != QColor(255, 0, 0));
        QCOMPARE(box.selStart(), 0);
    }
};

QTEST_MAIN(TestCWordWrap)
#include "tst_cwordwrap.moc"
