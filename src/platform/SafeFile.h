#pragma once

#include <QIODevice>
#include <QSaveFile>

namespace platform {

// A file's new content, put in place of the old file only once every byte of
// it is known to be on the disk.
//
// The bytes go to a temporary file beside the target, each write straight to
// the operating system (nothing waits in a buffer, so a refused write is seen
// at once). commit() then forces the file to the disk and renames it over the
// target. After any failure the target stays exactly as it was, and reason()
// says why in the user's words ("the disk is full").
//
// Use it as a device for writers that stream (a QPdfWriter on a SafeFile), or
// through saveWholeFile() for content that is already in memory.
class SafeFile : public QIODevice {
public:
    explicit SafeFile(const QString& path);
    // An unfinished file is thrown away; the target is not touched.
    ~SafeFile() override;

    // Opens the new content for writing; false (with a reason) when it cannot be made.
    bool open(OpenMode mode = WriteOnly) override;
    // Confirms that every byte reached the disk, then replaces the target.
    // False, with the target unchanged, when anything failed on the way.
    bool commit();

    QString path() const { return m_path; }
    // Why the file could not be saved, as a phrase: "the disk is full".
    QString reason() const { return m_reason; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    void fail(int error);
    void fail(const QString& reason);
    void discard();

    QString m_path;
    QSaveFile m_file;
    QString m_reason;
    bool m_failed = false;
};

// Writes `bytes` as the whole new content of the file at `path` through a
// SafeFile. On failure gives false and, when asked, the reason as a phrase;
// the file that was there is left as it was.
bool saveWholeFile(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// How an operating-system error number reads to the user, as a phrase.
QString fileErrorPhrase(int error);

} // namespace platform
