#include "TestSupport.h"

#include "common/CWordWrap.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTextBrowser>
#include <numeric>
#include <optional>

using platform::Forms;

namespace {

// The real printer backend, noting the page numbers it prints in the footers.
class WatchedSystemPrinter : public platform::SystemPrinter {
public:
    QStringList pageNumbers;

protected:
    void drawText(double x, double y, const QString& text) override {
        if (text.startsWith(QLatin1String("Page ")))
            pageNumbers << text.mid(5);
        SystemPrinter::drawText(x, y, text);
    }
};

QByteArray contentOf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int pdfPages(const QString& file) {
    const QString pdf = QString::fromLatin1(contentOf(file));
    int count = 0;
    for (auto it = QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")).globalMatch(pdf); it.hasNext(); it.next())
        ++count;
    return count;
}

// The size of the first picture the file holds, as stored in it.
QSize pdfPicture(const QString& file) {
    const auto match = QRegularExpression(QStringLiteral("/Subtype\\s*/Image\\s*/Width (\\d+)\\s*/Height (\\d+)"))
                           .match(QString::fromLatin1(contentOf(file)));
    return match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
}

QStringList pdfFiles(const QString& folder) {
    QStringList files;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        files << QDir(folder).filePath(name);
    return files;
}

// The lengths of the printed documents, read from their page numbers, which
// must count up from 1 within each document.
QList<int> documentLengths(const QStringList& pageNumbers) {
    QList<int> lengths;
    for (const QString& number : pageNumbers) {
        if (number == QLatin1String("1"))
            lengths << 1;
        else if (!lengths.isEmpty() && number.toInt() == lengths.last() + 1)
            ++lengths.last();
        else
            return {}; // out of order
    }
    return lengths;
}

} // namespace

// The real printer backend in a home folder of its own. Without a printer
// every user command's printing goes into one PDF file in the user's
// documents, and one message names it; with a printer (here a stand-in that
// keeps each job as a file) every document is a job of its own.
class TestPdfPrinter : public WorldTest {
    Q_OBJECT
public:
    TestPdfPrinter() : WorldTest(true) {}

private:
    std::unique_ptr<QTemporaryDir> home;
    QByteArray savedHome;
    WatchedSystemPrinter* printer = nullptr;

    QString printouts() const { return home->filePath(QStringLiteral("Documents/Travisto Printouts")); }

    static void skipWithARealPrinter() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer: the PDF fallback is not used");
    }

    void storeDay(int day, const QString& notes) {
        world->exec(platform::Database::userFileName(),
                    QStringLiteral("INSERT INTO Schedule (ScheduleNum, DayNum, MorningPark, Morning) "
                                   "VALUES (1, ?, 'Epcot', ?)"),
                    {day, notes});
    }

    // The one message of a command, shown once the hourglass is gone.
    void checkOneMessage(const QString& text) {
        QCOMPARE(world->dialogs().messages(), QStringList{text});
        QVERIFY2(!world->dialogs().shown().last().waitCursor, "the message came under the hourglass");
    }
    void checkOneMessageNaming(const QString& file) {
        checkOneMessage(QStringLiteral("No printer was found, so the printout was saved as ") + file);
        QVERIFY2(contentOf(file).trimmed().endsWith("%%EOF"), "the file was cut short");
    }

    // The user prints three planner days or two blank journal pages in one
    // command; with `room` set, the disk takes
    // no more than that many bytes of any file meanwhile.
    void printCommand(const QString& command, bool printerFound, std::optional<qint64> room = {}) {
        if (!printerFound)
            world->dialogs().answerMessage();
        const bool planner = command == QLatin1String("planner");
        if (planner) {
            // The first day's notes run over more than one page.
            QString notes;
            for (int i = 1; i <= 80; ++i)
                notes += QStringLiteral("Note %1\r\n").arg(i);
            storeDay(1, notes);
            storeDay(2, QStringLiteral("Rest"));
            storeDay(3, QStringLiteral("Fireworks"));
        }
        platform::Form* window = Forms::open(planner ? QStringLiteral("frmSchedule") : QStringLiteral("frmDetails"));
        world->dialogs().answerInput(planner ? QStringLiteral("3") : QStringLiteral("2"));
        std::optional<FullDisk> full;
        if (room)
            full.emplace(*room);
        if (planner)
            must<QAction>(window, QStringLiteral("mnuPrint"))->trigger();
        else
            QTest::mouseClick(must<QWidget>(window, QStringLiteral("Label9")), Qt::LeftButton);
    }

private slots:
    void initTestCase() { savedHome = qgetenv("HOME"); }
    void init() {
        home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", home->path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        WorldTest::init();
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults) VALUES ('2004-06-05', 2)"));
        auto system = std::make_unique<WatchedSystemPrinter>();
        printer = system.get();
        platform::Printer::install(std::move(system));
    }
    void cleanup() {
        platform::Printer::install(std::make_unique<platform::RecordingPrinter>());
        qputenv("HOME", savedHome);
        WorldTest::cleanup();
    }

    void aCommandOfSeveralDocuments_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("printerFound");
        QTest::addColumn<int>("documents");
        QTest::newRow("three planner days, no printer") << "planner" << false << 3;
        QTest::newRow("two blank journal pages, no printer") << "journal" << false << 2;
        QTest::newRow("three planner days, a printer") << "planner" << true << 3;
        QTest::newRow("two blank journal pages, a printer") << "journal" << true << 2;
    }
    void aCommandOfSeveralDocuments() {
        QFETCH(QString, command);
        QFETCH(bool, printerFound);
        QFETCH(int, documents);
        const QString spool = home->filePath(QStringLiteral("spool"));
        if (printerFound)
            printer->setSpoolFolder(spool);
        else
            skipWithARealPrinter();
        printCommand(command, printerFound);

        const QList<int> lengths = documentLengths(printer->pageNumbers);
        QVERIFY2(lengths.size() == documents, qPrintable(printer->pageNumbers.join(' ')));
        if (command == QLatin1String("planner"))
            QVERIFY(lengths[0] > 1);
        if (printerFound) {
            const QStringList jobs = pdfFiles(spool);
            QCOMPARE(jobs.size(), documents);
            for (int i = 0; i < documents; ++i)
                QCOMPARE(pdfPages(jobs[i]), lengths[i]);
            QVERIFY(world->dialogs().messages().isEmpty());
        } else {
            const QStringList files = pdfFiles(printouts());
            QCOMPARE(files.size(), 1);
            QCOMPARE(pdfPages(files[0]), std::accumulate(lengths.begin(), lengths.end(), 0));
            checkOneMessageNaming(files[0]);
        }
    }

    // A printout the disk will not take in full is not left behind, cut
    // short, under the name the user would be told; the user hears, once,
    // that it could not be saved and why.
    void aPrintoutTheDiskRefusesIsNotLeftCutShort_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<qint64>("room");
        QTest::addColumn<QString>("reason");
        QTest::newRow("three planner days, disk full") << "planner" << qint64(0) << "the disk is full";
        QTest::newRow("three planner days, room for part of the file")
            << "planner" << qint64(6000) << "the disk is full";
        QTest::newRow("two blank journal pages, room for part of the file")
            << "journal" << qint64(3000) << "the disk is full";
        QTest::newRow("the printouts folder cannot be made") << "journal" << qint64(-1) << "the folder does not exist";
    }
    void aPrintoutTheDiskRefusesIsNotLeftCutShort() {
        QFETCH(QString, command);
        QFETCH(qint64, room);
        QFETCH(QString, reason);
        skipWithARealPrinter();
        if (room < 0) {
            // A file stands where the folder would be made.
            QVERIFY(QDir().mkpath(home->filePath(QStringLiteral("Documents"))));
            QFile blocker(printouts());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        printCommand(command, false, room < 0 ? std::nullopt : std::optional<qint64>(room));

        const QString file = printer->lastPdfFile();
        QVERIFY(file.startsWith(printouts() + QLatin1Char('/')));
        QVERIFY(!QFileInfo::exists(file));
        if (room >= 0) // nor any part of it under another name
            QCOMPARE(QDir(printouts()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        checkOneMessage(QStringLiteral("The printout could not be saved as %1: %2.").arg(file, reason));

        // Once there is room again each next document saves its file: one
        // printed outside a user command is a command of its own.
        world->dialogs().answerMessage();
        world->dialogs().answerMessage();
        if (room < 0)
            QVERIFY(QFile::remove(printouts()));
        common::CWordWrap().PrintText(QStringLiteral("Later"));
        common::CWordWrap().PrintText(QStringLiteral("Again"));
        const QStringList files = pdfFiles(printouts());
        QCOMPARE(files.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(world->dialogs().messages()[i + 1],
                     QStringLiteral("No printer was found, so the printout was saved as ") + files[i]);
            QVERIFY(!world->dialogs().shown()[i + 1].waitCursor);
        }
    }

    // A picture goes into the file with its own pixels (a window's image at
    // the window's size); a page is laid out as the browser control prints it.
    void aPictureOrAPagePrintsToOneSmallFile_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("page");
        QTest::addColumn<QSize>("picture");
        QTest::newRow("Magic Kingdom map") << "frmMkMap" << false << QSize(700, 500);
        QTest::newRow("hotel category chart") << "frmHotelCategory" << false << QSize();
        QTest::newRow("checklist window") << "frmCheckListNew" << false << QSize();
        QTest::newRow("weather page") << "frmWhenYouGo" << true << QSize();
    }
    void aPictureOrAPagePrintsToOneSmallFile() {
        QFETCH(QString, form);
        QFETCH(bool, page);
        QFETCH(QSize, picture);
        skipWithARealPrinter();
        platform::Form* window = Forms::open(form);
        world->dialogs().answerMessage();
        must<QAction>(window, QStringLiteral("mnuPrint"))->trigger();

        const QStringList files = pdfFiles(printouts());
        QCOMPARE(files.size(), 1);
        QVERIFY2(QFileInfo(files[0]).size() < 1'500'000, qPrintable(QString::number(QFileInfo(files[0]).size())));
        checkOneMessageNaming(files[0]);
        if (page) {
            // As many pages as the document gives when printed on its own.
            QTemporaryDir out;
            const QString alone = out.filePath(QStringLiteral("alone.pdf"));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(alone);
            must<QTextBrowser>(window, QStringLiteral("WebBrowser1"))->document()->print(&printer);
            QVERIFY(pdfPages(alone) > 1);
            QCOMPARE(pdfPages(files[0]), pdfPages(alone));
            return;
        }
        QCOMPARE(pdfPages(files[0]), 1);
        // Not a page width at 1200 dots per inch (some 9600 dots).
        const QSize stored = pdfPicture(files[0]);
        const QSize expected = picture.isValid() ? picture : window->client()->size();
        QCOMPARE(stored, expected);
    }
};

QTEST_MAIN(TestPdfPrinter)
#include "tst_pdfprinter.moc"
