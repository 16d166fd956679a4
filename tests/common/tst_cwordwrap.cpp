#include "TestSupport.h"

#include "common/CWordWrap.h"
#include "common/RichTextBox.h"

#include <algorithm>

using common::CWordWrap;
using common::RichTextBox;
using platform::RecordingPrinter;

// Printing is checked on the recording printer with fixed metrics: every
// character 100 twips wide, every line 300 twips high, a 12240 x 15840 page.
class TestCWordWrap : public WorldTest {
    Q_OBJECT
    RecordingPrinter& printer() { return world->printer(); }

    // The first drawn item whose text is `text`, on a page of the first document.
    static const RecordingPrinter::Item* itemOf(const RecordingPrinter::Page& page, const QString& text) {
        for (const auto& item : page.items)
            if (item.text == text)
                return &item;
        return nullptr;
    }
    // Where that item was drawn; (-1, -1) when it was not.
    static QPointF placeOf(const RecordingPrinter::Page& page, const QString& text) {
        const auto* item = itemOf(page, text);
        return item ? QPointF(item->x, item->y) : QPointF(-1, -1);
    }

    void print(const QString& text) {
        CWordWrap wrap;
        wrap.HeaderText = QStringLiteral("Header");
        wrap.PrintText(text);
    }

private slots:
    void init() {
        WorldTest::init();
        printer().useFixedMetrics(100, 300);
    }

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
        QCOMPARE(placeOf(doc.pages[0], QStringLiteral("Header")), QPointF((12240 - 600) / 2.0, (1440 - 300) / 2.0));
        QCOMPARE(placeOf(doc.pages[0], QStringLiteral("6/1/2004")), QPointF(720, 15840 - 720));
        QCOMPARE(placeOf(doc.pages[0], QStringLiteral("Page 1")), QPointF(12240 - 720 - 600, 15840 - 720));
    }

    void wordsStartAtTheMarginsAndWrapBeforeTheRightMargin() {
        // Ten words of nine letters and a blank fill 10000 twips from 720; the
        // eleventh would end at 11620, past 12240 - 720, and wraps.
        QStringList words;
        for (int i = 0; i < 12; ++i)
            words << QStringLiteral("word%1abcd").arg(i, 1, 36).left(9);
        print(words.join(QLatin1Char(' ')));
        const auto& page = printer().documents[0].pages[0];
        QCOMPARE(placeOf(page, words[0]), QPointF(720, 1440));
        QCOMPARE(placeOf(page, words[9]), QPointF(720 + 9 * 1000, 1440));
        QCOMPARE(placeOf(page, words[10]), QPointF(720, 1740));
        QCOMPARE(placeOf(page, words[11]), QPointF(1720, 1740));
    }

    void anOverlongWordGetsALineOfItsOwnAndIsNotSplit() {
        const QString longWord(120, QLatin1Char('x'));
        print(longWord + QStringLiteral(" end"));
        const auto& page = printer().documents[0].pages[0];
        // The (empty) first line is ended before the long word.
        QCOMPARE(placeOf(page, longWord), QPointF(720, 1740));
        QCOMPARE(placeOf(page, QStringLiteral("end")), QPointF(720, 2040));
    }

    void separatorsBlanksTabsAndLineEnds() {
        // Tabs stop every ten digit widths from 720; blanks after a line feed
        // indent; carriage returns print nothing and each line feed ends a line.
        print(QStringLiteral("\tA\r\n\t\tB\r\n\r\n  C"));
        const auto& page = printer().documents[0].pages[0];
        QCOMPARE(placeOf(page, QStringLiteral("A")), QPointF(720 + 1000, 1440));
        QCOMPARE(placeOf(page, QStringLiteral("B")), QPointF(720 + 2000, 1740));
        QCOMPARE(placeOf(page, QStringLiteral("C")), QPointF(720 + 200, 2340));
        QCOMPARE(std::count_if(page.items.begin(), page.items.end(), [](const auto& i) { return i.text == " "; }), 2);
    }

    // Lines 480 twips high: the top of the 28th, 1440 + 27 * 480 = 14400, lies
    // exactly on the bottom limit and stays; 60 lines take three framed pages.
    void pagesBreakBelowTheBottomLimitWithNumberedFrames() {
        printer().useFixedMetrics(100, 480);
        QString text;
        for (int i = 0; i < 60; ++i)
            text += QStringLiteral("L%1\n").arg(i);
        print(text);
        const auto& doc = printer().documents[0];
        QCOMPARE(doc.pages.size(), 3);
        QCOMPARE(placeOf(doc.pages[0], QStringLiteral("L27")), QPointF(720, 14400));
        QCOMPARE(placeOf(doc.pages[1], QStringLiteral("L28")), QPointF(720, 1440));
        QCOMPARE(placeOf(doc.pages[2], QStringLiteral("Page 3")), QPointF(12240 - 720 - 600, 15840 - 720));
        QCOMPARE(placeOf(doc.pages[2], QStringLiteral("L59")), QPointF(720, 1440 + 3 * 480));
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
        // "--" is whitened; a 4-character entry keeps its colour; each entry's paragraph is bulleted.
        QCOMPARE(
            paneMarkup(box),
            QStringLiteral("* {bold,white:--} first tip\n* note: {bold:Abcd} here\n* {bold:  Space Mountain} rocks"));
        QCOMPARE(box.selStart(), 0);
    }

    void boldTextFindsARepeatedMarkerAtSuccessiveOccurrencesAndAppliesTheColour() {
        RichTextBox box;
        box.setText(QStringLiteral("* one\n* two\nthree"));
        QStringList words = {QString(), QStringLiteral("*"), QStringLiteral("*")};
        CWordWrap().BoldText(box, &words, 3, {}, 0, QColor(255, 0, 0));
        QCOMPARE(paneMarkup(box), QStringLiteral("* {bold,red:*} one\n* {bold,red:*} two\nthree"));
    }

    void boldTextColoursHeadingsRedAndAMissingHeadingHitsTheStart() {
        RichTextBox box;
        box.setText(QStringLiteral("Intro line\nMorning\nrides\nEvening"));
        CWordWrap().BoldText(box, nullptr, 1, {QStringLiteral("morning"), QStringLiteral("Noonish")}, 2);
        // Not found: the first characters of the text, as many as the entry has.
        QCOMPARE(paneMarkup(box), QStringLiteral("{bold,red:Intro l}ine\n{bold,red:Morning}\nrides\nEvening"));
        QCOMPARE(box.selStart(), 0);
    }
};

QTEST_MAIN(TestCWordWrap)
#include "tst_cwordwrap.moc"
