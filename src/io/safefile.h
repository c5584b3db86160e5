// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SAFEFILE_H
#define SAFEFILE_H

#include "rowbuffer.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <memory>

// Writes a file so that nothing is lost. A regular file, new or existing, is
// written through QSaveFile: it is replaced only once all of it was written, and
// a failed or cancelled write leaves the old file as it was and no partial one.
// (A name that is not valid text, which Qt cannot carry, gets the same steps by
// hand: a file without a name in the same folder, given the name at the end, with
// the old file's permissions and through its links.)
// Anything else that exists (a device, a FIFO, a folder) is never replaced or
// truncated: it is refused without being opened, or, where streams are wanted,
// written in place as a stream. Standard output, and any name for it such as
// /dev/stdout, is always a stream. Failures carry the system's own reason.
class SafeFile
{
public:
    enum Targets { RegularFiles, RegularFilesAndStreams };

    // The path as the bytes the system knows it by; empty, with streams wanted, is standard output.
    SafeFile(const QByteArray &path, Targets targets);
    ~SafeFile();

    bool open();
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &data) { return write(data.constData(), data.size()); }
    // Ends the writing: a regular file takes the new contents now. False, with the
    // reason, when anything failed; the old file is then kept.
    bool commit();
    // Gives up: a regular file keeps its old contents and no partial file remains.
    void cancel();

    bool isStream() const { return stream != nullptr && target.isEmpty(); }
    QString errorString() const { return error; }
    // How the path reads in messages.
    QString displayName() const;

private:
    bool fail(const QString &reason);
    bool openByHand();
    bool commitByHand();

    QByteArray path;
    Targets targets;
    std::unique_ptr<QSaveFile> regular;
    std::unique_ptr<QFile> stream;
    QByteArray target;    // written by hand: the file to replace on commit, links followed
    QByteArray temporary; // its named stand-in, where a file without a name cannot be made
    QString error;
};

// Rows into a SafeFile.
class SafeFileSink : public RowSink
{
public:
    explicit SafeFileSink(SafeFile &file) : file(file) {}
    bool write(const char *text, std::size_t length) override { return file.write(text, static_cast<qint64>(length)); }

private:
    SafeFile &file;
};

// Whether two names stand for one regular file, or for one place where a file would
// be made; an empty name stands for standard output. Devices and FIFOs may be shared.
bool sameRegularFile(const QByteArray &first, const QByteArray &second);

// Writes contents to a regular file in one go; false with the reason in error.
bool writeWholeFile(const QByteArray &path, const QByteArray &contents, QString &error);

#endif
