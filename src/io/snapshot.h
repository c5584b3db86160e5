// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SNAPSHOT_H
#define SNAPSHOT_H

#include "lesson.h"
#include "runstate.h"

#include <QByteArray>
#include <QString>

// A snapshot file (.vezo) holds a RunState as JSON with a format name and a
// version. The window and the run object both read and write through here.
namespace Snapshot {
inline constexpr char Format[] = "vezo-vizoziv snapshot";
inline constexpr int Version = 1;
inline constexpr char Suffix[] = "vezo";
inline constexpr int MaxPace = 1000;                  // generations per second
inline constexpr qint64 MaxFileBytes = 1024 * 1024;   // a snapshot takes about 12 KiB
inline constexpr qint64 MostGenerations = ::MostGenerations;
inline constexpr int MostNameLength = 256;            // characters
inline constexpr qint64 MostDrawsPerGeneration = 10 + 5 + 2 * 10 + 90; // a generation's most, and new genes
}

// A snapshot may carry a lesson; one without leaves the field out.
QByteArray snapshotText(const RunState &state, const Lesson &lesson = Lesson());

// Reads the text into state. On any fault returns false with one message in error
// and leaves state untouched.
bool parseSnapshot(const QByteArray &text, RunState &state, QString &error);
// The same with its lesson, empty when it has none; both or neither are set.
bool parseSnapshot(const QByteArray &text, RunState &state, Lesson &lesson, QString &error);

// The path is the bytes the system knows the file by. Only a regular file of at
// most Snapshot::MaxFileBytes is read; the rest as parseSnapshot.
bool readSnapshot(const QByteArray &path, RunState &state, QString &error);
bool readSnapshot(const QByteArray &path, RunState &state, Lesson &lesson, QString &error);
// Through writeWholeFile: a failed write keeps the old file. A state that could
// not be read back, past Snapshot::MostGenerations, is refused.
bool writeSnapshot(const QByteArray &path, const RunState &state, QString &error,
                   const Lesson &lesson = Lesson());

#endif
