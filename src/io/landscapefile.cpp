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
// Reading stops once this much has passed without a further value: a file that has
// not given one by then is not a landscape, and after a value the rest is not read.
const long long MostBytesWithoutValue = 16LL << 20;
// Nor is anything read past this, so that no file keeps a reader long.
const long long MostBytes = 64LL << 20;
const int ValuesPerLine = 16;

// The context of this file's messages.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LandscapeFile)
};
}

bool loadLandscape(const QByteArray &path, int *landscape, QString &reason, const StopRequest *stop)
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
    long long withoutValue = 0;
    long long total = 0;
    bool cutShort = false;
    while ((count = read(fd, chunk, sizeof chunk)) > 0) {
        total += count;
        const int before = reader.count();
        if (!reader.read(chunk, static_cast<std::size_t>(count)))
            break;
        withoutValue = reader.count() > before ? 0 : withoutValue + count;
        if (stopRequested(stop)) {
            reason = Texts::tr("interrupted");
            close(fd);
            return false;
        }
        if ((withoutValue >= MostBytesWithoutValue || total >= MostBytes) && read(fd, chunk, 1) > 0) {
            if (reader.count() == 0) {
                reason = Texts::tr("holds no value in its first 16 MiB");
                close(fd);
                return false;
            }
            cutShort = true;
            break;
        }
    }
    // What was read before an error stays, as it did when the window read the file itself.
    const bool failed = count < 0;
    if (failed)
        reason = systemReason(errno);
    if (!cutShort)
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
