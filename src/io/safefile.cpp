// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile.h"
#include "regularfile.h"

#include <QCoreApplication>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const int LinkAttempts = 100;
const int MostLinksFollowed = 40;

// Where a name that names no file yet would be made: its links followed, its folder resolved.
QByteArray placeToMake(QByteArray path)
{
    char target[PATH_MAX];
    for (int followed = 0; followed < MostLinksFollowed; ++followed) {
        const ssize_t length = readlink(path.constData(), target, sizeof target);
        if (length < 0 || length == sizeof target)
            break;
        const QByteArray link(target, static_cast<qsizetype>(length));
        const qsizetype slash = path.lastIndexOf('/');
        path = link.startsWith('/') || slash < 0 ? link : path.left(slash + 1) + link;
    }
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    char resolved[PATH_MAX];
    return realpath(folder.constData(), resolved) ? QByteArray(resolved) + '/' + path.mid(slash + 1) : path;
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

bool sameRegularFile(const QByteArray &first, const QByteArray &second)
{
    struct stat one;
    struct stat other;
    const bool oneFound = first.isEmpty() ? fstat(STDOUT_FILENO, &one) == 0 : stat(first.constData(), &one) == 0;
    const bool otherFound = second.isEmpty() ? fstat(STDOUT_FILENO, &other) == 0 : stat(second.constData(), &other) == 0;
    if (oneFound || otherFound)
        return oneFound && otherFound && S_ISREG(one.st_mode) && one.st_dev == other.st_dev && one.st_ino == other.st_ino;
    return placeToMake(first) == placeToMake(second);
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
            if (S_ISDIR(status.st_mode) || !streams)
                return fail(notRegularFile(status.st_mode));
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
    // Qt carries names as text: a name, or what a link names, that is not valid text is written by hand.
    char resolved[PATH_MAX];
    const QByteArray real = realpath(path.constData(), resolved) ? QByteArray(resolved) : path;
    if (QFile::encodeName(QFile::decodeName(path)) != path || QFile::encodeName(QFile::decodeName(real)) != real)
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
    if (!target.isEmpty())
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
    target.clear();
}

bool SafeFile::openByHand()
{
    char resolved[PATH_MAX];
    target = realpath(path.constData(), resolved) ? QByteArray(resolved) : path;
    const int slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    struct stat old;
    const bool existing = stat(target.constData(), &old) == 0;
    const mode_t mask = umask(0);
    umask(mask);
    const mode_t mode = existing ? old.st_mode & 07777 : 0666 & ~mask;
    // Without a name until it is whole, so that a killed run leaves nothing behind.
    int descriptor = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (descriptor < 0) {
        temporary = target + ".XXXXXX";
        descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    }
    if (descriptor < 0 || fchmod(descriptor, mode) != 0) {
        const int number = errno;
        cancel();
        return fail(systemReason(number));
    }
    stream = std::make_unique<QFile>();
    if (!stream->open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        close(descriptor);
        const QString reason = stream->errorString();
        cancel();
        return fail(reason);
    }
    return true;
}

// A file without a name gets one beside the target first, as a link can replace nothing.
bool SafeFile::commitByHand()
{
    const bool synced = fsync(stream->handle()) == 0;
    int number = errno;
    bool named = synced && !temporary.isEmpty();
    if (synced && temporary.isEmpty()) {
        const QByteArray descriptor = "/proc/self/fd/" + QByteArray::number(stream->handle());
        for (int attempt = 0; !named && attempt < LinkAttempts; ++attempt) {
            temporary = target + "." + QByteArray::number(getpid()) + "." + QByteArray::number(attempt);
            named = linkat(AT_FDCWD, descriptor.constData(), AT_FDCWD, temporary.constData(), AT_SYMLINK_FOLLOW) == 0;
            number = errno;
            if (!named && number != EEXIST)
                break;
        }
        if (!named)
            temporary.clear();
    }
    stream.reset();
    if (!named || rename(temporary.constData(), target.constData()) != 0) {
        if (named)
            number = errno;
        cancel();
        return fail(systemReason(number));
    }
    temporary.clear();
    target.clear();
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
