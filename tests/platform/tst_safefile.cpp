#include "TestSupport.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>

using platform::SafeFile;

class TestSafeFile : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;

    QString target() const { return dir->filePath(QStringLiteral("out.txt")); }
    QByteArray contents() const {
        QFile file(target());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void writeOld() const {
        QFile file(target());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the earlier file\r\n");
    }

private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { dir.reset(); }

    void aRefusedWriteKeepsTheOldFileAndSaysTheDiskIsFull_data() {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<QString>("writer");
        // A small text fits a write buffer: the refusal only comes when it is flushed.
        QTest::newRow("no room, one small write") << qint64(0) << "text";
        QTest::newRow("room for part, one write") << qint64(4096) << "text";
        QTest::newRow("room for part, streamed") << qint64(4096) << "pieces";
        QTest::newRow("room for part, a PDF") << qint64(2000) << "pdf";
        QTest::newRow("room enough, a PDF") << qint64(1 << 30) << "pdf";
    }
    void aRefusedWriteKeepsTheOldFileAndSaysTheDiskIsFull() {
        QFETCH(qint64, room);
        QFETCH(QString, writer);
        writeOld();
        SafeFile file(target());
        QVERIFY(file.open());
        {
            FullDisk full(room);
            if (writer == QLatin1String("pdf")) {
                QPdfWriter pdf(&file);
                QPainter painter(&pdf);
                for (int page = 0; page < 3; ++page) {
                    if (page > 0)
                        pdf.newPage();
                    painter.drawText(QPointF(100, 100), QStringLiteral("Day %1").arg(page + 1));
                }
            } else {
                const QByteArray text(10000, 'x');
                for (int i = 0; i < (writer == QLatin1String("pieces") ? 10 : 1); ++i)
                    file.write(writer == QLatin1String("pieces") ? text.left(1000) : text);
            }
            QCOMPARE(file.commit(), room > 10000);
        }
        if (room > 10000) {
            QVERIFY(contents().startsWith("%PDF-"));
            QVERIFY(contents().trimmed().endsWith("%%EOF"));
        } else {
            QCOMPARE(file.reason(), QStringLiteral("the disk is full"));
            QCOMPARE(contents(), QByteArray("the earlier file\r\n"));
        }
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("out.txt")});
    }
};

QTEST_MAIN(TestSafeFile)
#include "tst_safefile.moc"
