// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPEFILE_H
#define LANDSCAPEFILE_H

#include <QByteArray>
#include <QString>

// Reads a landscape file over the first values of landscape. Only regular files are
// read, opened without blocking; on failure returns false and says why in reason.
// The path is the bytes the system knows the file by.
bool loadLandscape(const QByteArray &path, int *landscape, QString &reason);

// Writes the LandscapeSize values of landscape in the same format, 16 to a line,
// through writeWholeFile; on failure returns false and says why in reason.
bool saveLandscape(const QByteArray &path, const int *landscape, QString &reason);

#endif
