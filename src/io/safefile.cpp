// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString systemReason(int number)
{
    return QString::fromLocal8Bit(std::strerror(number));
}

// Whether the path names what standard output already is.
bool isStandardOutput(const QByteArray &path)
{
    struct stat target;
    struct stat output;
    return stat(path.constData(), &target) == 0 && fstat(STDOUT_FILENO, &output) == 0
           && target.st_dev == output.st_dev && target.st_ino == output.st_ino;
}
}

SafeFile::SafeFile(const QByteArray &path, Targets targets)
    : path(path), targets(targets)
{
}

SafeFile::~SafeFile()
{
    cancel();
}

QString SafeFile::displayName() const
{
    return path.isEmpty() ? QCoreApplication::translate("SafeFile", "standard output") : QFile::decodeName(path);
}

bool SafeFile::open()
{
    const bool streams = targets == RegularFilesAndStreams;
    int descriptor = -1;
    if (streams && (path.isEmpty() || isStandardOutput(path))) {
        descriptor = dup(STDOUT_FILENO);
        if (descriptor < 0)
            return fail(systemReason(errno));
    } else {
        struct stat status;
        if (stat(path.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
            if (S_ISDIR(status.st_mode))
                return fail(QCoreApplication::translate("SafeFile", "is a folder"));
            if (!streams)
                return fail(QCoreApplication::translate("SafeFile", "is not a regular file"));
            // Written in place, as a stream: never created, truncated or replaced.
            descriptor = ::open(path.constData(), O_WRONLY | O_CLOEXEC);
            if (descriptor < 0)
                return fail(systemReason(errno));
        }
    }
    if (descriptor >= 0) {
        stream = std::make_unique<QFile>();
        if (!stream->open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            close(descriptor);
            return fail(stream->errorString());
        }
        return true;
    }
    if (QFile::encodeName(QFile::decodeName(path)) != path)
        return openByHand();
    regular = std::make_unique<QSaveFile>(QFile::decodeName(path));
    // Unbuffered, so that a failed write is seen at once with its reason.
    if (!regular->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(regular->errorString());
    return true;
}

// A short write is followed by another; the one that writes nothing says why.
bool SafeFile::write(const char *data, qint64 size)
{
    QFileDevice *device = stream ? static_cast<QFileDevice *>(stream.get()) : regular.get();
    if (!device)
        return fail(error.isEmpty() ? QCoreApplication::translate("SafeFile", "not open") : error);
    while (size > 0) {
        errno = 0;
        const qint64 written = device->write(data, size);
        if (written <= 0) {
            const int number = errno;
            const QString reason = device->errorString();
            cancel();
            return fail(number != 0 ? systemReason(number) : reason);
        }
        data += written;
        size -= written;
    }
    return true;
}

bool SafeFile::commit()
{
    if (!temporary.isEmpty())
        return commitByHand();
    if (stream) {
        stream.reset();
        return error.isEmpty();
    }
    if (!regular)
        return false;
    errno = 0;
    const bool committed = regular->commit();
    const int number = errno;
    const QString reason = regular->errorString();
    regular.reset();
    if (!committed)
        return fail(number != 0 ? systemReason(number) : reason);
    return true;
}

void SafeFile::cancel()
{
    if (regular)
        regular->cancelWriting();
    regular.reset();
    stream.reset();
    if (!temporary.isEmpty())
        unlink(temporary.constData());
    temporary.clear();
}

bool SafeFile::openByHand()
{
    temporary = path + ".XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        const int number = errno;
        temporary.clear();
        return fail(systemReason(number));
    }
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    stream = std::make_unique<QFile>();
    stream->open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    return true;
}

bool SafeFile::commitByHand()
{
    const bool synced = fsync(stream->handle()) == 0;
    const int number = errno;
    stream.reset();
    if (!synced || rename(temporary.constData(), path.constData()) != 0) {
        const int reason = synced ? errno : number;
        cancel();
        return fail(systemReason(reason));
    }
    temporary.clear();
    return true;
}

bool SafeFile::fail(const QString &reason)
{
    error = reason;
    return false;
}

bool writeWholeFile(const QByteArray &path, const QByteArray &contents, QString &error)
{
    SafeFile file(path, SafeFile::RegularFiles);
    const bool written = file.open() && file.write(contents) && file.commit();
    error = file.errorString();
    return written;
}
