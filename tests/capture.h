// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CAPTURE_H
#define CAPTURE_H

#include <QByteArray>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

// Collects what the process writes to standard output (or another descriptor) while it lives.
class OutputCapture
{
public:
    explicit OutputCapture(int descriptor = STDOUT_FILENO)
        : descriptor(descriptor)
    {
        file.open();
        fflush(nullptr);
        saved = dup(descriptor);
        dup2(file.handle(), descriptor);
    }
    ~OutputCapture() { release(); }

    QByteArray text()
    {
        release();
        file.seek(0);
        return file.readAll();
    }

private:
    void release()
    {
        if (saved < 0)
            return;
        fflush(nullptr);
        dup2(saved, descriptor);
        close(saved);
        saved = -1;
    }

    QTemporaryFile file;
    int descriptor;
    int saved = -1;
};

#endif
