// SPDX-License-Identifier: GPL-3.0-or-later
#include "landscapefile.h"
#include "landscapereader.h"
#include "regularfile.h"
#include "safefile.h"
#include "sizes.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {
const std::size_t ReadChunkBytes = 4096;
// A file that has not given one whole value by then is not a landscape.
const long long FirstValueWithinBytes = 16LL << 20;
const int ValuesPerLine = 16;

QString tr(const char *text)
{
    return QCoreApplication::translate("LandscapeFile", text);
}
}

bool loadLandscape(const QByteArray &path, int *landscape, QString &reason)
{
    qint64 size;
    const int fd = openRegularFile(path, size, reason);
    if (fd < 0)
        return false;
    // Values go to a copy first, so that a refused file changes nothing.
    int values[LandscapeSize];
    std::copy(landscape, landscape + LandscapeSize, values);
    LandscapeReader reader(values);
    char chunk[ReadChunkBytes];
    ssize_t count;
    long long total = 0;
    while ((count = read(fd, chunk, sizeof chunk)) > 0 && reader.read(chunk, static_cast<std::size_t>(count))) {
        total += count;
        if (total >= FirstValueWithinBytes && reader.count() == 0 && read(fd, chunk, 1) != 0) {
            reason = tr("holds no value in its first 16 MiB");
            close(fd);
            return false;
        }
    }
    // What was read before an error stays, as it did when the window read the file itself.
    const bool failed = count < 0;
    if (failed)
        reason = systemReason(errno);
    reader.finish();
    close(fd);
    std::copy(values, values + reader.count(), landscape);
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
