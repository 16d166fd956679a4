#include "platform/SafeFile.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace platform {

QString fileErrorPhrase(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("the disk is full");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("the folder or the file cannot be written");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("the folder does not exist");
    case EISDIR:
        return QStringLiteral("a folder of that name is there");
    default:
        return QString::fromLocal8Bit(std::strerror(error ? error : EIO)).toLower();
    }
}

SafeFile::SafeFile(const QString& path) : m_path(path), m_file(path) {}

SafeFile::~SafeFile() {
    if (m_file.isOpen())
        discard();
}

void SafeFile::fail(const QString& reason) {
    if (m_failed)
        return;
    m_failed = true;
    m_reason = reason;
    setErrorString(reason);
}

void SafeFile::fail(int error) {
    fail(fileErrorPhrase(error));
}

void SafeFile::discard() {
    // Removes the temporary file; the target is not touched.
    m_file.cancelWriting();
    m_file.commit();
}

bool SafeFile::open(OpenMode mode) {
    if (mode & (ReadOnly | Append)) {
        fail(EINVAL);
        return false;
    }
    const QFileInfo target(m_path);
    if (target.isDir()) {
        fail(EISDIR);
        return false;
    }
    if (target.exists() && !QFileInfo(target.canonicalFilePath()).isFile()) {
        // A device or the like is never replaced by a renamed file.
        fail(QStringLiteral("it is not an ordinary file"));
        return false;
    }
    errno = 0;
    if (!m_file.open(WriteOnly | Unbuffered)) {
        fail(errno ? errno : EACCES);
        return false;
    }
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 SafeFile::writeData(const char* data, qint64 length) {
    if (m_failed)
        return -1;
    errno = 0;
    const qint64 written = m_file.write(data, length);
    if (written != length) {
        // A short write means the device refused the rest (full, or over a limit).
        fail(errno ? errno : ENOSPC);
        return -1;
    }
    return written;
}

bool SafeFile::commit() {
    if (!m_file.isOpen())
        return false;
    QIODevice::close();
    if (m_failed) {
        discard();
        return false;
    }
    // The disk may still refuse the data at this point (space is often only
    // claimed when the file's blocks are really written).
    if (::fsync(m_file.handle()) != 0) {
        fail(errno);
        discard();
        return false;
    }
    errno = 0;
    if (!m_file.commit()) {
        fail(errno ? errno : EIO);
        return false;
    }
    return true;
}

bool saveWholeFile(const QString& path, const QByteArray& bytes, QString* reason) {
    SafeFile file(path);
    const bool saved = file.open() && file.write(bytes) == bytes.size() && file.commit();
    if (!saved && reason)
        *reason = file.reason();
    return saved;
}

} // namespace platform
