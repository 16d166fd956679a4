#include "TestSupport.h"

#include "common/CWordWrap.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

// The real printer backend on a machine without a printer writes each
// document as a PDF file.
class TestPdfPrinter : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() {
        platform::Printer::install(std::make_unique<platform::RecordingPrinter>());
        world.reset();
    }

    void aLongTextBecomesOnePdfWithItsPages() {
        QTemporaryDir out;
        auto pdf = std::make_unique<platform::SystemPrinter>();
        pdf->setPdfFolder(out.path());
        pdf->setTellUser(false);
        platform::SystemPrinter* printer = pdf.get();
        platform::Printer::install(std::move(pdf));

        // Two and a half pages of lines, measured with the printer's own font.
        printer->setFontName(QStringLiteral("Times New Roman"));
        printer->setFontSize(14);
        const int perPage = int((printer->scaleHeight() - 2 * 1440) / printer->textHeight()) + 1;
        QString text;
        for (int i = 0; i < perPage * 5 / 2; ++i)
            text += QStringLiteral("Line %1 of the schedule\r\n").arg(i);
        common::PrintContentPane(QStringLiteral("Three Pages"), text);

        const QStringList files = QDir(out.path()).entryList({QStringLiteral("*.pdf")});
        QCOMPARE(files.size(), 1);
        QCOMPARE(QDir(out.path()).filePath(files[0]), printer->lastPdfFile());
        QFile f(printer->lastPdfFile());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        const auto pages =
            QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")).globalMatch(QString::fromLatin1(bytes));
        int count = 0;
        for (auto it = pages; it.hasNext(); it.next())
            ++count;
        QCOMPARE(count, 3);
    }

    void theUserIsToldWhereThePrintoutWent() {
        QTemporaryDir out;
        auto pdf = std::make_unique<platform::SystemPrinter>();
        pdf->setPdfFolder(out.path());
        platform::SystemPrinter* printer = pdf.get();
        platform::Printer::install(std::move(pdf));
        world->dialogs().answerMessage();
        common::PrintContentPane(QStringLiteral("One"), QStringLiteral("Hello"));
        QCOMPARE(world->dialogs().messages().size(), 1);
        QVERIFY(world->dialogs().messages()[0].contains(printer->lastPdfFile()));
    }
};

QTEST_MAIN(TestPdfPrinter)
#include "tst_pdfprinter.moc"
