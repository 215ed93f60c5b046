#include "framework/core/FileAccess.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Why a file with these properties is not read, or empty when it is.
QString WhyNotReadable(const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("It is a folder, not a file.");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("It is not a regular file but a pipe, a device or a socket.");
    if (info.st_size > kMaxReadBytes)
        return TooLargeReason();
    return {};
}

} // namespace

QString TooLargeReason()
{
    return QStringLiteral("It is larger than %1 MB, the most a file may hold.").arg(kMaxReadBytes >> 20);
}

QString FileMessage(const QString& what, const QString& path, const QString& reason)
{
    const QString full = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    return QStringLiteral("%1 \"%2\".\n%3").arg(what, full, reason);
}

bool OpenForReading(QFile& file, const QString& path, QString* reason)
{
    const QByteArray name = QFile::encodeName(path);
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat info { };
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            *reason = QStringLiteral("The file does not exist.");
        else if (::stat(name.constData(), &info) == 0 && !WhyNotReadable(info).isEmpty())
            *reason = WhyNotReadable(info); // a socket, for one, cannot be opened at all
        else
            *reason = SystemReason(error);
        return false;
    }
    if (::fstat(fd, &info) != 0) {
        *reason = SystemReason(errno);
        ::close(fd);
        return false;
    }
    if (const QString why = WhyNotReadable(info); !why.isEmpty()) {
        *reason = why;
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}

bool WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write, QString* reason)
{
    // The whole content is made in memory first; outputs are small next to
    // what a disk holds, and the writing below then knows every byte.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer)) {
        *reason = QStringLiteral("The contents could not be made.");
        return false;
    }
    buffer.close();
    return WriteFileAtomically(path, bytes, reason);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    // The bytes go out through the system's own calls, each checked: the
    // file's buffered writes report a write that stops part way (a full
    // disk) as an unknown error, and lose a failure of the last flush inside
    // commit() altogether, which then replaced the old file with a cut-off one.
    const int fd = file.handle();
    qint64 done = 0;
    int error = 0;
    while (done < bytes.size() && error == 0) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n == 0)
            error = EIO;
        else if (errno != EINTR)
            error = errno;
    }
    // Some file systems find out only now that the disk is full.
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    if (error != 0) {
        *reason = SystemReason(error);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}
