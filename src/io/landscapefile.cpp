// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapefile.h"
#include "landscapereader.h"
#include "safefile.h"
#include "sizes.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::size_t ReadChunkBytes = 4096;
const int ValuesPerLine = 16;

QString tr(const char *text)
{
    return QCoreApplication::translate("LandscapeFile", text);
}
}

bool loadLandscape(const QByteArray &path, int *landscape, QString &reason)
{
    // Opened without blocking, so that a FIFO is refused rather than waited on.
    const int fd = open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status;
    if (fd < 0 || fstat(fd, &status) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            close(fd);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        reason = S_ISDIR(status.st_mode) ? tr("is a folder") : tr("is not a regular file");
        close(fd);
        return false;
    }
    LandscapeReader reader(landscape);
    char chunk[ReadChunkBytes];
    ssize_t count;
    while ((count = read(fd, chunk, sizeof chunk)) > 0 && reader.read(chunk, static_cast<std::size_t>(count))) {
    }
    // What was read before an error stays, as it did when the window read the file itself.
    const bool failed = count < 0;
    if (failed)
        reason = QString::fromLocal8Bit(std::strerror(errno));
    reader.finish();
    close(fd);
    return !failed;
}

bool saveLandscape(const QByteArray &path, const int *landscape, QString &reason)
{
    QByteArray text;
    for (int index = 0; index < LandscapeSize; ++index) {
        text += QByteArray::number(landscape[index]);
        text += (index + 1) % ValuesPerLine == 0 ? '\n' : ' ';
    }
    return writeWholeFile(path, text, reason);
}
