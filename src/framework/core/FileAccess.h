#pragma once

#include <QString>

#include <functional>

class QByteArray;
class QFile;
class QIODevice;

// Files in and out, the same way for every part of the program: a file is
// read only when it is a regular file of sensible size, and written whole or
// not at all. Failures come back as the reason to show, the system's own
// words where it gave some ("No space left on device").

// The largest file the program reads: 256 MiB, far beyond any plot, so that
// no file can take the machine's memory.
inline constexpr qint64 kMaxReadBytes = qint64(256) << 20;

// Why a file over kMaxReadBytes is not read.
QString TooLargeReason();

// "<what> "<full path>".\n<reason>": every message about a file names it by
// its full path and says why.
QString FileMessage(const QString& what, const QString& path, const QString& reason);

// Opens path for reading without ever blocking: a pipe, a device or a
// socket is refused at once, and so is a folder, a missing file or one
// larger than kMaxReadBytes. False with the reason when it cannot be read.
bool OpenForReading(QFile& file, const QString& path, QString* reason);

// Writes path whole or not at all. write fills a temporary file in the same
// folder and returns false when it failed; the temporary replaces path only
// when every byte reached the file system, otherwise it is removed and path
// stays as it was. False with the reason on failure.
bool WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write, QString* reason);
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* reason);
