// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CAPTURE_H
#define CAPTURE_H

#include <QByteArray>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

// Collects what the process writes to standard output while it lives.
class StdoutCapture
{
public:
    StdoutCapture()
    {
        file.open();
        fflush(stdout);
        saved = dup(STDOUT_FILENO);
        dup2(file.handle(), STDOUT_FILENO);
    }
    ~StdoutCapture() { release(); }

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
        fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
        saved = -1;
    }

    QTemporaryFile file;
    int saved = -1;
};

#endif
