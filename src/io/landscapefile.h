// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEFILE_H
#define LANDSCAPEFILE_H

#include "stoprequest.h"

#include <QByteArray>
#include <QString>

// Reads a landscape file over the first values of landscape. Only regular files are
// read, opened without blocking; on failure returns false and says why in reason.
// Reading stops once 16 MiB pass without a further value, and after 64 MiB in all:
// with no value yet the file is refused, otherwise the values read so far are kept.
// Once a stop is requested the file is refused too. A refused file changes nothing.
// The path is the bytes the system knows the file by.
bool loadLandscape(const QByteArray &path, int *landscape, QString &reason, const StopRequest *stop = nullptr);

// Writes the LandscapeSize values of landscape in the same format, 16 to a line,
// through writeWholeFile; on failure returns false and says why in reason.
bool saveLandscape(const QByteArray &path, const int *landscape, QString &reason);

#endif
