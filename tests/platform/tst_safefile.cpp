#include "TestSupport.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <optional>

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
        QTest::addColumn<int>("pieces");
        // A small text fits a write buffer: the refusal only comes when it is flushed.
        QTest::newRow("no room, one small write") << qint64(0) << 1;
        QTest::newRow("room for part, one write") << qint64(4096) << 1;
        QTest::newRow("room for part, streamed") << qint64(4096) << 40;
    }
    void aRefusedWriteKeepsTheOldFileAndSaysTheDiskIsFull() {
        QFETCH(qint64, room);
        QFETCH(int, pieces);
        writeOld();
        const QByteArray piece(1000, 'x');
        bool written = true;
        bool committed = true;
        QString reason;
        {
            FullDisk full(room);
            SafeFile file(target());
            QVERIFY(file.open());
            for (int i = 0; i < pieces; ++i)
                written = file.write(pieces == 1 ? piece.repeated(10) : piece) >= 0 && written;
            committed = file.commit();
            reason = file.reason();
        }
        QVERIFY(!committed);
        QCOMPARE(reason, QStringLiteral("the disk is full"));
        QCOMPARE(contents(), QByteArray("the earlier file\r\n"));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("out.txt")});
    }

    void aSavedFileReplacesTheOldOneWhole() {
        writeOld();
        const QByteArray text = QByteArray("day one\r\n").repeated(5000);
        QString reason = QStringLiteral("untouched");
        QVERIFY(platform::saveWholeFile(target(), text, &reason));
        QCOMPARE(reason, QStringLiteral("untouched"));
        QCOMPARE(contents(), text);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("out.txt")});
    }

    void aPdfStreamedIntoItIsWholeOrNotThereAtAll_data() {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("room enough") << false;
        QTest::newRow("disk full part way") << true;
    }
    void aPdfStreamedIntoItIsWholeOrNotThereAtAll() {
        QFETCH(bool, diskFull);
        writeOld();
        SafeFile file(target());
        QVERIFY(file.open());
        std::optional<FullDisk> full;
        if (diskFull)
            full.emplace(2000);
        {
            QPdfWriter pdf(&file);
            QPainter painter(&pdf);
            for (int page = 0; page < 3; ++page) {
                if (page > 0)
                    pdf.newPage();
                painter.drawText(QPointF(100, 100), QStringLiteral("Day %1").arg(page + 1));
            }
        }
        QCOMPARE(file.commit(), !diskFull);
        full.reset();
        const QByteArray saved = contents();
        if (diskFull) {
            QCOMPARE(saved, QByteArray("the earlier file\r\n"));
            QCOMPARE(file.reason(), QStringLiteral("the disk is full"));
        } else {
            QVERIFY(saved.startsWith("%PDF-"));
            QVERIFY(saved.trimmed().endsWith("%%EOF"));
        }
    }

    void aFileThatCannotBeMadeIsReportedInPlainWords_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "no such folder/out.txt"
                                        << "the folder does not exist";
        QTest::newRow("a folder of that name") << "taken"
                                               << "a folder of that name is there";
    }
    void aFileThatCannotBeMadeIsReportedInPlainWords() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("taken")));
        QString said;
        QVERIFY(!platform::saveWholeFile(dir->filePath(name), "text", &said));
        QCOMPARE(said, reason);
        QVERIFY(QFileInfo(dir->filePath(QStringLiteral("taken"))).isDir());
    }
};

QTEST_MAIN(TestSafeFile)
#include "tst_safefile.moc"
