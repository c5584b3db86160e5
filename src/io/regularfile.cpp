// SPDX-License-Identifier: GPL-3.0-or-later
#include "regularfile.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int openRegularFile(const QByteArray &path, qint64 &size, QString &reason)
{
    const int descriptor = open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status;
    if (descriptor < 0 || fstat(descriptor, &status) != 0) {
        reason = systemReason(errno);
        if (descriptor >= 0)
            close(descriptor);
        return -1;
    }
    if (!S_ISREG(status.st_mode)) {
        reason = notRegularFile(status.st_mode);
        close(descriptor);
        return -1;
    }
    size = status.st_size;
    return descriptor;
}

QString notRegularFile(mode_t mode)
{
    return S_ISDIR(mode) ? QCoreApplication::translate("RegularFile", "is a folder")
                         : QCoreApplication::translate("RegularFile", "is not a regular file");
}

QString systemReason(int number)
{
    return QString::fromLocal8Bit(std::strerror(number));
}
