#include "framework/core/FileAccess.h"

#include "framework/core/FileName.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
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

// The file a save replaces: a symbolic link's target, so that the link
// stays a link; the name itself when it is no link or leads nowhere.
QByteArray SaveTarget(const QByteArray& name)
{
    struct stat info { };
    if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return name;
    char* resolved = ::realpath(name.constData(), nullptr);
    if (resolved == nullptr)
        return name;
    QByteArray target(resolved);
    std::free(resolved);
    return target;
}

// Creates a new file beside target, named after it, for the new content;
// the descriptor, or -1 with errno set.
int CreateTemporaryBeside(const QByteArray& target, QByteArray* temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(temporary->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The new name reaches the disk too, not only the file's content.
void SyncFolderOf(const QByteArray& file)
{
    const qsizetype slash = file.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : file.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QString TooLargeReason()
{
    return QStringLiteral("It is larger than %1 MB, the most a file may hold.").arg(kMaxReadBytes >> 20);
}

QString FileMessage(const QString& what, const QString& path, const QString& reason)
{
    const QString full = ShownFileName(QDir::toNativeSeparators(AbsoluteFileName(path)));
    return QStringLiteral("%1 \"%2\".\n%3").arg(what, full, reason);
}

bool OpenForReading(QFile& file, const QString& path, QString* reason)
{
    const QByteArray name = EncodeFileName(path);
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
    const QByteArray target = SaveTarget(EncodeFileName(path));
    QByteArray temporary;
    const int fd = CreateTemporaryBeside(target, &temporary);
    if (fd < 0) {
        *reason = SystemReason(errno);
        return false;
    }
    // A replaced file keeps its permissions; a new one has what the umask
    // left of rw-rw-rw- when the temporary was created.
    struct stat old { };
    if (::stat(target.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    // The bytes go out through the system's own calls, each checked, so a
    // write that stops part way (a full disk) is reported with its reason.
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
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        *reason = SystemReason(error);
        return false;
    }
    SyncFolderOf(target);
    return true;
}
