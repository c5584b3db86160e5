// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REGULARFILE_H
#define REGULARFILE_H

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Opens path to read if it is a regular file, without blocking, so that a FIFO is
// refused rather than waited on; returns the descriptor and its size, or -1 with
// the reason. The path is the bytes the system knows the file by.
int openRegularFile(const QByteArray &path, qint64 &size, QString &reason);

// Why something of this mode is not a regular file: "is a folder" or "is not a regular file".
QString notRegularFile(mode_t mode);

// The system's words for an error number.
QString systemReason(int number);

#endif
