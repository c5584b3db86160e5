// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef THROTTLE_H
#define THROTTLE_H

#include <QObject>
#include <QTimer>

#include <functional>

// Runs an action at most once per interval however often it is asked for: at once
// after a quiet spell, else once at the end of the interval. For work that need
// not follow every generation of a run, such as what a chart says to a screen reader.
class Throttle : public QObject
{
    Q_OBJECT

public:
    Throttle(int milliseconds, std::function<void()> action, QObject *parent);

    void request();

private:
    void run();

    QTimer timer;
    std::function<void()> action;
    bool waiting = false; // the interval since the last run is not over
    bool pending = false;
};

#endif
